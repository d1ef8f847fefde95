#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "TempMachineRoot.h"
#include "platform/registry/RegistryStore.h"

namespace registry_test {
namespace {

using reg::Hive;
using reg::Status;

constexpr int kWritesPerProcess = 1000;

// Write number `i` of a writer: the value's name (and text), and the key it goes to, spelt as `keyBase`.
std::string ValueName(int writer, int i) {
  return std::string("w").append(std::to_string(writer)).append("-").append(std::to_string(i));
}
std::string RaceKey(std::string keyBase, int i) {
  return keyBase.append(std::to_string(i % 50));
}

// Writes this writer's values, each in its own transaction, into keys that the other writer creates at
// the same time; the exit code tells how many writes failed (0 for none).
int WriteValues(const std::filesystem::path& file, int writer) {
  int failures = 0;
  try {
    reg::RegistryStore store(file);
    for (int i = 0; i < kWritesPerProcess; ++i) {
      std::string key = RaceKey("SOFTWARE\\Race\\Key", i);
      std::string name = ValueName(writer, i);
      if (store.SetValue(Hive::LocalMachine, key, name, reg::RegValue{reg::ValueType::Sz, name}, true) !=
          Status::Ok) {
        if (failures++ == 0) std::fprintf(stderr, "writer %d: %s\n", writer, store.LastError().c_str());
      }
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "writer %d: %s\n", writer, error.what());
    return 100;
  }
  return failures == 0 ? 0 : 1;
}

TEST(RegistryStoreConcurrency, TwoProcessesWritingAtOnceLoseNothing) {
  testsupport::TempMachineRoot root;
  const auto file = reg::RegistryStore::FileIn(root.Path());  // both writers race to create it, too

  pid_t children[2];
  for (int writer = 0; writer < 2; ++writer) {
    children[writer] = fork();
    ASSERT_GE(children[writer], 0);
    if (children[writer] == 0) _exit(WriteValues(file, writer));
  }
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
  }

  reg::RegistryStore store(file);
  int found = 0;
  for (int writer = 0; writer < 2; ++writer) {
    for (int i = 0; i < kWritesPerProcess; ++i) {
      std::string name = ValueName(writer, i);
      if (reg::ReadText(store, Hive::LocalMachine, RaceKey("software\\race\\key", i), name) == name) {
        ++found;
      }
    }
  }
  EXPECT_EQ(found, 2 * kWritesPerProcess);
  std::string name;
  EXPECT_EQ(store.EnumKey(Hive::LocalMachine, "SOFTWARE\\Race", 49, name), Status::Ok);
  EXPECT_EQ(store.EnumKey(Hive::LocalMachine, "SOFTWARE\\Race", 50, name), Status::NotFound);
}

}  // namespace
}  // namespace registry_test
