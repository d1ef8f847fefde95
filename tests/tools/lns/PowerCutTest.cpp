#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "LoopMount.h"
#include "OpenedSystem.h"
#include "TempMachineRoot.h"
#include "ToolRun.h"

namespace {

using lnstooltest::Lns;

// The transactions that the journal of the ext4 file system mounted at `folder` has committed (a commit
// puts everything written before it on the disk); -1 when the system does not tell.
long CommittedTransactions(const std::filesystem::path& folder) {
  const std::string mountPoint = std::filesystem::weakly_canonical(folder).string();
  std::ifstream mounts("/proc/self/mountinfo");
  for (std::string line; std::getline(mounts, line);) {
    std::istringstream fields(line);
    std::string id, parent, device, root, point, field;
    fields >> id >> parent >> device >> root >> point;
    if (point != mountPoint) continue;
    while (fields >> field && field != "-") {
    }
    std::string type, source;
    fields >> type >> source;
    // The journal of ext4 is its inode 8.
    std::ifstream info("/proc/fs/jbd2/" + std::filesystem::path(source).filename().string() + "-8/info");
    long committed = -1;
    info >> committed;
    return committed;
  }
  return -1;
}

// A write reaches the disk within 50 ms, so that a power cut leaves the network database as the devices
// are: the tool's writes (done when it ends), and the writes of a program that keeps the network open, as
// the plug-in does while its window is shown. Without flushes of their own the commits waited for the
// system's writeback, and a cut seconds later lost them.
TEST(PowerCut, LeavesTheDatabaseWithWhatWasWrittenBeforeIt) {
  testsupport::LoopMount disk;
  if (!disk.Available()) GTEST_SKIP() << "no power-cut test here: " << disk.WhyNot();
  testsupport::TempMachineRoot root(disk.Path());
  ASSERT_EQ(Lns(root.Path(), {"init", "--demo"}).code, lnstool::kOk);
  sync();  // the machine as it was before the story is on the disk
  const lnstool::Args property = {"cp", "get", "Demo", "Floor 1/Room 101", "N:3/C:0:49"};
  const lnstool::Args variable = {"nv", "get", "Demo", "Floor 1/Room 101", "34"};
  ASSERT_NE(Lns(root.Path(), property).out, "7.0\n");
  ASSERT_NE(Lns(root.Path(), variable).out, "22.75\n");
  {
    testsupport::OpenedSystem opened(root.Path());
    ASSERT_EQ(Lns(root.Path(), {"cp", "set", "Demo", "Floor 1/Room 101", "N:3/C:0:49", "7.0"}).code,
              lnstool::kOk);
    opened.system.GetSubsystems()
        .Item("Floor 1")
        .GetAppDevices()
        .Item("Room 101")
        .GetInterface()
        .GetNetworkVariables()
        .ItemByIndex(34)
        .PutValue("22.75");
    // The program's flush commits the journal: the cut comes then, or after the promised time ten times
    // over, when the flush never came.
    const long committed = CommittedTransactions(disk.Path());
    ASSERT_GE(committed, 0) << "the journal of " << disk.Path() << " cannot be read";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
    while (CommittedTransactions(disk.Path()) == committed && std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(1));  // the pace of looking, not a wait for it
    ASSERT_TRUE(disk.PowerCut()) << disk.WhyNot();
  }
  ASSERT_TRUE(disk.Remount()) << disk.WhyNot();
  EXPECT_EQ(Lns(root.Path(), property).out, "7.0\n");
  EXPECT_EQ(Lns(root.Path(), variable).out, "22.75\n");
}

}  // namespace
