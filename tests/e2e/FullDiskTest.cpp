#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "LoopMount.h"
#include "ProgramRun.h"
#include "TempMachineRoot.h"

namespace {

// A full disk fails the write with its reason, and nothing is lost. SQLite memory-maps the log's index and
// backs each of its pages with one byte: where the file system's blocks are smaller than a page (as on
// this small one), a write into the rest of the page found no room and the command ended with SIGBUS.
TEST(FullDisk, FailsTheWriteWithItsReasonAndLosesNothing) {
  testsupport::LoopMount disk;
  if (!disk.Available()) GTEST_SKIP() << "no full-disk test here: " << disk.WhyNot();
  testsupport::TempMachineRoot root(disk.Path());
  const testsupport::TempMachineRoot outputs;  // off the disk, which will have no room for them
  const auto lns = [&](const std::vector<std::string>& args) {
    return e2e::Run("lns", args, root.Path(), std::chrono::seconds(60), outputs.Path());
  };
  ASSERT_EQ(lns({"init", "--demo"}).code, 0);
  const std::vector<std::string> property = {"cp", "get", "Demo", "Floor 1/Room 101", "N:3/C:0:49"};
  const auto set = [&](const std::string& value) {
    std::vector<std::string> args = property;
    args[1] = "set";
    args.push_back(value);
    return lns(args);
  };
  ASSERT_EQ(set("5.0").code, 0);

  ASSERT_TRUE(disk.FillUp()) << disk.WhyNot();
  const e2e::ProgramRun refused = set("7.0");
  EXPECT_EQ(refused.code, 1) << refused.err;
  EXPECT_NE(refused.err.find("disk is full"), std::string::npos) << refused.err;

  disk.MakeRoom();
  EXPECT_EQ(lns(property).out, "5.0\n");
  EXPECT_EQ(set("7.0").code, 0);
  EXPECT_EQ(lns(property).out, "7.0\n");
}

}  // namespace
