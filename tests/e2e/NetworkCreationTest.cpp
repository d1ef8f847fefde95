// A network creation that is killed half-way leaves nothing that blocks creating it again.

#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "ProgramRun.h"
#include "TempMachineRoot.h"

namespace {

TEST(NetworkCreation, KilledHalfWayLeavesNoNetwork) {
  testsupport::TempMachineRoot root;
  ASSERT_EQ(e2e::Run("lns", {"init"}, root.Path()).code, 0);

  const std::string lns = std::string(QVR_BIN_DIR) + "/lns";
  std::vector<std::string> words = {lns, "network", "create", "Big", "--devices", "100000"};
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  e2e::RootEnvironment environment(root.Path());
  ASSERT_EQ(posix_spawn(&pid, lns.c_str(), nullptr, nullptr, argv.data(), environment.Get()), 0);
  // Killed once it is filling the network's database.
  const auto file = root.Path() / "LonWorks" / "Databases" / "Big" / "network.sqlite";
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!std::filesystem::exists(file) && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  kill(pid, SIGKILL);
  int status = 0;
  waitpid(pid, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status)) << "the creation ended before it could be killed";

  EXPECT_EQ(e2e::Run("lns", {"networks"}, root.Path()).out, "");
  auto run = e2e::Run("lns", {"network", "create", "Big", "--devices", "5"}, root.Path());
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(e2e::Run("lns", {"networks"}, root.Path()).out, "Big\n");
  const std::string devices = e2e::Run("lns", {"devices", "Big"}, root.Path()).out;
  EXPECT_EQ(std::count(devices.begin(), devices.end(), '\n'), 5) << devices;
}

}  // namespace
