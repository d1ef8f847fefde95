#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <memory>
#include <string>

#include "TempMachineRoot.h"
#include "platform/registry/RegistryStore.h"
#include "platform/registry/StoreFile.h"

namespace registry_test {
namespace {

using reg::Hive;
using reg::RegValue;
using reg::Status;
using reg::ValueType;

const RegValue kText{ValueType::Sz, "kept"};

void WriteSample(const std::filesystem::path& file) {
  reg::RegistryStore store(file);
  ASSERT_EQ(store.SetValue(Hive::LocalMachine, "SOFTWARE\\LonWorks\\Sub", "LonWorks Path", kText, true),
            Status::Ok);
}

void ExpectSampleIntact(const std::filesystem::path& file) {
  reg::RegistryStore store(file);
  EXPECT_EQ(reg::ReadText(store, Hive::LocalMachine, "SOFTWARE\\LonWorks\\Sub", "LonWorks Path"), "kept");
  EXPECT_EQ(reg::ReadText(store, Hive::LocalMachine, "SOFTWARE\\LonWorks", "New"), std::nullopt);
  EXPECT_FALSE(store.KeyExists(Hive::LocalMachine, "SOFTWARE\\Other"));
}

TEST(RegistryStoreFailure, ReadOnlyFileIsReadButRefusesEveryWrite) {
  testsupport::TempMachineRoot root;
  const auto file = reg::RegistryStore::FileIn(root.Path());
  WriteSample(file);
  namespace fs = std::filesystem;
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  {
    reg::RegistryStore store(file);
    EXPECT_EQ(reg::ReadText(store, Hive::LocalMachine, "SOFTWARE\\LonWorks\\Sub", "LonWorks Path"), "kept");
    EXPECT_EQ(store.SetValue(Hive::LocalMachine, "SOFTWARE\\LonWorks", "New", kText), Status::StoreFailed);
    EXPECT_NE(store.LastError().find("readonly"), std::string::npos) << store.LastError();
    EXPECT_EQ(store.SetValue(Hive::LocalMachine, "SOFTWARE\\LonWorks\\Sub", "LonWorks Path",
                             RegValue{ValueType::Sz, "lost"}),
              Status::StoreFailed);
    EXPECT_EQ(store.AddValueIfMissing(Hive::LocalMachine, "SOFTWARE\\LonWorks", "New", kText),
              Status::StoreFailed);
    EXPECT_EQ(store.CreateKey(Hive::LocalMachine, "SOFTWARE\\Other"), Status::StoreFailed);
    EXPECT_EQ(store.DeleteKey(Hive::LocalMachine, "SOFTWARE\\LonWorks\\Sub"), Status::StoreFailed);
    EXPECT_EQ(store.DeleteValue(Hive::LocalMachine, "SOFTWARE\\LonWorks\\Sub", "LonWorks Path"),
              Status::StoreFailed);
  }
  fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
  ExpectSampleIntact(file);
}

// Lowers the largest file this process may write, as a full disk would stop it, until the end of scope.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails with EFBIG
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit lowered = previous_;
    lowered.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit previous_{};
  void (*previousHandler_)(int) = nullptr;
};

TEST(RegistryStoreFailure, FullDiskRefusesTheWriteAndLeavesTheFileIntact) {
  testsupport::TempMachineRoot root;
  const auto file = reg::RegistryStore::FileIn(root.Path());
  WriteSample(file);
  {
    reg::RegistryStore store(file);
    ASSERT_TRUE(store.KeyExists(Hive::LocalMachine, "SOFTWARE\\LonWorks"));
    FileSizeLimit limit(64 * 1024);
    const RegValue large{ValueType::Sz, std::string(1024 * 1024, 'x')};
    EXPECT_EQ(store.SetValue(Hive::LocalMachine, "SOFTWARE\\LonWorks", "New", large), Status::StoreFailed);
    EXPECT_FALSE(store.LastError().empty());
    EXPECT_EQ(store.SetValue(Hive::LocalMachine, "SOFTWARE\\Other", "New", large, true), Status::StoreFailed);
  }
  ExpectSampleIntact(file);
}

}  // namespace
}  // namespace registry_test

namespace registry_test {
namespace {

// A kept connection is never the connection of another file: a store made anew at the same path, or made
// read-only, is seen as it now is.
TEST(RegistryStoreFailure, AKeptConnectionFollowsTheFileAtItsPath) {
  testsupport::TempMachineRoot root;
  const auto file = reg::RegistryStore::FileIn(root.Path());
  reg::StoreKeeper keeper;
  const auto kept = [&] { return std::make_unique<reg::RegistryStore>(file, keeper); };
  ASSERT_EQ(kept()->SetValue(Hive::LocalMachine, "SOFTWARE\\LonWorks\\Sub", "LonWorks Path", kText, true),
            Status::Ok);
  ExpectSampleIntact(file);

  for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(file.string() + suffix);
  EXPECT_EQ(reg::ReadText(*kept(), Hive::LocalMachine, "SOFTWARE\\LonWorks\\Sub", "LonWorks Path"),
            std::nullopt);

  WriteSample(file);
  EXPECT_EQ(reg::ReadText(*kept(), Hive::LocalMachine, "SOFTWARE\\LonWorks\\Sub", "LonWorks Path"), "kept");
  namespace fs = std::filesystem;
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(kept()->SetValue(Hive::LocalMachine, "SOFTWARE\\LonWorks", "New", kText), Status::StoreFailed);
  ExpectSampleIntact(file);
}

}  // namespace
}  // namespace registry_test
