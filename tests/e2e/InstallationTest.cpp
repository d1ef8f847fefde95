// An installation runs by itself: its programs find one another and their data from where they lie.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "ProgramRun.h"
#include "TempMachineRoot.h"

namespace {

TEST(Installation, TheInstalledProgramsMakeADemoMachineAndReadADevice) {
  testsupport::TempMachineRoot prefix;
  testsupport::TempMachineRoot root;
  const e2e::ProgramRun install = e2e::RunFile(
      QVR_CMAKE_COMMAND, {"--install", QVR_BUILD_DIR, "--prefix", prefix.Path().string()}, root.Path());
  ASSERT_EQ(install.code, 0) << install.out << install.err;
  for (const char* program : {"lns", "Calyxtern_qvr_lon_PlugIn"})
    EXPECT_TRUE(std::filesystem::is_regular_file(prefix.Path() / "bin" / program)) << program;
  if (QVR_LNS_WITH_QT) {
    EXPECT_TRUE(std::filesystem::is_regular_file(prefix.Path() / "bin" / "lns-windows"));
  }

  const std::string lns = (prefix.Path() / "bin" / "lns").string();
  const e2e::ProgramRun init = e2e::RunFile(lns, {"init", "--demo"}, root.Path());
  ASSERT_EQ(init.code, 0) << init.err;
  EXPECT_NE(init.out.find("network Demo created"), std::string::npos) << init.out;

  const std::filesystem::path snapshot = root.Path() / "room-101.txt";
  const e2e::ProgramRun send =
      e2e::RunFile(lns, {"send", "Demo", "13", "7", "Demo/Floor 1/Room 101", "--snapshot", snapshot.string()},
                   root.Path());
  ASSERT_EQ(send.code, 0) << send.err;
  EXPECT_EQ(send.out, "device: Room 101\n");
  EXPECT_EQ(e2e::ReadFile(snapshot).rfind("form fMain ", 0), 0u);
}

}  // namespace
