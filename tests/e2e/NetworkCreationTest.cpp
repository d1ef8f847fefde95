// A network creation that is killed half-way leaves nothing that blocks creating it again.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "ProgramRun.h"
#include "TempMachineRoot.h"
#include "platform/Spawn.h"

namespace {

TEST(NetworkCreation, KilledHalfWayLeavesNoNetwork) {
  testsupport::TempMachineRoot root;
  ASSERT_EQ(e2e::Run("lns", {"init"}, root.Path()).code, 0);

  platform::SpawnRequest request;
  request.argv = {std::string(QVR_BIN_DIR) + "/lns", "network", "create", "Big", "--devices", "100000"};
  request.environment = e2e::RootEnvironment(root.Path());
  const pid_t pid = platform::Spawn(request);
  // Killed once it is filling the network's database: the log of the filling transaction has grown past
  // the whole empty network.
  const auto file = root.Path() / "LonWorks" / "Databases" / "Big" / "network.sqlite";
  const auto log = std::filesystem::path(file.string() + "-wal");
  const auto size = [](const std::filesystem::path& path) {
    std::error_code error;
    const auto bytes = std::filesystem::file_size(path, error);
    return error ? 0 : bytes;
  };
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while ((size(file) == 0 || size(log) <= size(file)) && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));  // the pace of looking, not a wait for it
  kill(pid, SIGKILL);
  const int status = platform::WaitForChild(pid);
  ASSERT_TRUE(WIFSIGNALED(status)) << "the creation ended before it could be killed";

  EXPECT_EQ(e2e::Run("lns", {"networks"}, root.Path()).out, "");
  auto run = e2e::Run("lns", {"network", "create", "Big", "--devices", "5"}, root.Path());
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(e2e::Run("lns", {"networks"}, root.Path()).out, "Big\n");
  const std::string devices = e2e::Run("lns", {"devices", "Big"}, root.Path()).out;
  EXPECT_EQ(std::count(devices.begin(), devices.end(), '\n'), 5) << devices;
}

}  // namespace
