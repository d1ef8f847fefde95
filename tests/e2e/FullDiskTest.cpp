#include <gtest/gtest.h>

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "LoopMount.h"
#include "ProgramRun.h"
#include "ScopedEnvironment.h"
#include "TempMachineRoot.h"

namespace {

using testsupport::LoopMount;

// A demo machine on a file system of its own, whose Room 101 holds 5.0 in one property, and `lns` to drive
// it; its outputs go elsewhere, since the disk will have no room for them.
class DemoOnItsOwnDisk {
 public:
  explicit DemoOnItsOwnDisk(LoopMount::FileSystem kind) : disk(kind) {
    if (!disk.Available()) return;
    root.emplace(disk.Path());
    EXPECT_EQ(Lns({"init", "--demo"}).code, 0);
    EXPECT_EQ(Set("5.0").code, 0);
  }

  e2e::ProgramRun Lns(const std::vector<std::string>& args) const {
    return e2e::Run("lns", args, root->Path(), std::chrono::seconds(60), outputs.Path());
  }
  e2e::ProgramRun Get() const { return Lns(property); }
  e2e::ProgramRun Set(const std::string& value) const {
    std::vector<std::string> args = property;
    args[1] = "set";
    args.push_back(value);
    return Lns(args);
  }

  LoopMount disk;
  std::optional<testsupport::TempMachineRoot> root;
  const testsupport::TempMachineRoot outputs;
  const std::vector<std::string> property = {"cp", "get", "Demo", "Floor 1/Room 101", "N:3/C:0:49"};
};

// A full disk fails the write with its reason (one line, exit 1, never a signal), and nothing is lost: with
// no room at all, and with a few blocks left, which the log's write may take before the index needs one.
void ExpectNoWriteEndedBySignalOrLost(LoopMount::FileSystem kind) {
  DemoOnItsOwnDisk demo(kind);
  if (!demo.disk.Available()) GTEST_SKIP() << "no full-disk test here: " << demo.disk.WhyNot();
  std::string held = "5.0";
  for (std::size_t leftKb = 0; leftKb <= 32; leftKb += 4) {
    SCOPED_TRACE(std::to_string(leftKb) + " KB left");
    ASSERT_TRUE(demo.disk.FillUp(leftKb * 1024)) << demo.disk.WhyNot();
    const std::string value = std::to_string(100 + leftKb) + ".0";
    const e2e::ProgramRun set = demo.Set(value);
    if (set.code == 0 && leftKb > 0) {
      held = value;
    } else {
      EXPECT_EQ(set.code, 1) << "(-1: ended by a signal) " << set.err;
      EXPECT_NE(set.err.find("database or disk is full"), std::string::npos) << set.err;
    }
    demo.disk.MakeRoom();
    EXPECT_EQ(demo.Get().out, held + "\n");
  }
  EXPECT_EQ(demo.Set("7.0").code, 0);
  EXPECT_EQ(demo.Get().out, "7.0\n");
}

// SQLite keeps the log's index in a file that it maps into memory. Beside the database, where the file
// system's blocks are smaller than a page (as on this small ext4), a write into the rest of a page found
// no room and the command ended with SIGBUS.
TEST(FullDisk, FailsTheWriteWithItsReasonAndLosesNothing) {
  ExpectNoWriteEndedBySignalOrLost(LoopMount::FileSystem::kExt4);
}

// btrfs writes every change to new room, a page of the mapped index too.
TEST(FullDisk, OnBtrfsTooTheWriteFailsWithItsReason) {
  ExpectNoWriteEndedBySignalOrLost(LoopMount::FileSystem::kBtrfs);
}

// What a full disk still allows: reading, and opening a device that was opened before; the first opening
// of a device writes its objects' modes and so is refused.
TEST(FullDisk, ReadsAndOpensADeviceOpenedBefore) {
  DemoOnItsOwnDisk demo(LoopMount::FileSystem::kExt4);
  if (!demo.disk.Available()) GTEST_SKIP() << "no full-disk test here: " << demo.disk.WhyNot();
  const auto open = [&](const std::string& device) { return demo.Lns({"send", "Demo", "13", "7", device}); };
  ASSERT_EQ(open("Demo/Floor 1/Room 101").code, 0);
  ASSERT_TRUE(demo.disk.FillUp()) << demo.disk.WhyNot();

  const e2e::ProgramRun read = demo.Get();
  EXPECT_EQ(read.out, "5.0\n") << read.err;
  const e2e::ProgramRun opened = open("Demo/Floor 1/Room 101");
  EXPECT_EQ(opened.code, 0) << opened.err;
  const e2e::ProgramRun refused = open("Demo/Floor 1/Room 102");
  EXPECT_EQ(refused.code, 1) << refused.err;
  EXPECT_NE(refused.err.find("database or disk is full"), std::string::npos) << refused.err;
}

// How often `text` holds `part`.
std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

// A deregistration that could not remove what it was asked to tells so and fails. A machine whose network
// lies on the full disk keeps the network's eight entries: the last box names the network (it said
// "deregistered" and the run exited 0). A machine root on the full disk keeps the plug-in's key: the box
// says that it could not be deleted, and why (it said the key did not exist).
TEST(FullDisk, ADeregistrationNamesWhatItCouldNotRemove) {
  DemoOnItsOwnDisk demo(LoopMount::FileSystem::kExt4);
  if (!demo.disk.Available()) GTEST_SKIP() << "no full-disk test here: " << demo.disk.WhyNot();
  const testsupport::TempMachineRoot beside;
  const auto lns = [&](const std::vector<std::string>& args) { return e2e::Run("lns", args, beside.Path()); };
  ASSERT_EQ(lns({"init", "--demo"}).code, 0);
  ASSERT_EQ(lns({"send", "Demo", "50", "7", "Demo", "--answer", "ok", "--answer", "ok", "--answer", "ok",
                 "--answer", "ok", "--answer", "no"})
                .code,
            0);
  const std::string kProgId = "Calyxtern_qvr_lon_PlugIn.LNSPlugInAPI";
  ASSERT_EQ(Count(lns({"apps", "Demo"}).out, kProgId), 8u);
  const std::filesystem::path network = beside.Path() / "LonWorks" / "Databases" / "Demo";
  const std::filesystem::path moved = demo.disk.Path() / "Demo";
  std::filesystem::copy(network, moved, std::filesystem::copy_options::recursive);
  std::filesystem::remove_all(network);
  std::filesystem::create_directory_symlink(moved, network);
  ASSERT_TRUE(demo.disk.FillUp()) << demo.disk.WhyNot();

  testsupport::ScopedEnvironment headless;
  headless.Set("QVR_UI", "headless");
  headless.Set("QVR_ANSWERS", "ok");
  const std::filesystem::path snapshot = demo.outputs.Path() / "snapshot.txt";
  headless.Set("QVR_SNAPSHOT", snapshot.string());
  const auto deregister = [&](const std::filesystem::path& root, const std::string& mode) {
    return e2e::Run("Calyxtern_qvr_lon_PlugIn", {"/deregplugin", "/deregmode:" + mode}, root,
                    std::chrono::seconds(60), demo.outputs.Path());
  };
  const std::string box = "box text=\"Plug-in Calyxtern_qvr_lon_PlugIn";

  EXPECT_EQ(deregister(beside.Path(), "0").code, 1);
  EXPECT_NE(
      e2e::ReadFile(snapshot).find(box + " was removed from this machine, but its commands are left "
                                         "in these networks, whose entries could not be removed: Demo\""),
      std::string::npos)
      << e2e::ReadFile(snapshot);
  EXPECT_EQ(Count(lns({"apps", "Demo"}).out, kProgId), 8u);

  EXPECT_EQ(deregister(demo.root->Path(), "-1").code, 1);
  EXPECT_NE(e2e::ReadFile(snapshot).find(box + " could not be deleted from the Windows registry: "),
            std::string::npos)
      << e2e::ReadFile(snapshot);
  EXPECT_NE(e2e::ReadFile(snapshot).find("database or disk is full"), std::string::npos);
  EXPECT_EQ(
      demo.Lns({"reg", "get", "HKLM", "SOFTWARE\\LonWorks\\LCA\\Plug-Ins\\Calyxtern_qvr_lon_PlugIn"}).out,
      kProgId + "\n");
}

}  // namespace
