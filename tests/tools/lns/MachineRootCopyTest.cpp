#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TempMachineRoot.h"
#include "ToolRun.h"

namespace {

using lnstooltest::Lns;

// A machine root copied elsewhere is whole by itself: changes made in the copy stay in the copy.
TEST(MachineRootCopy, ACopyNeverWritesIntoTheOriginal) {
  testsupport::TempMachineRoot original;
  ASSERT_EQ(Lns(original.Path(), {"init", "--demo"}).code, lnstool::kOk);
  const std::string devices = Lns(original.Path(), {"devices", "Demo"}).out;

  testsupport::TempMachineRoot copy;
  std::filesystem::copy(original.Path(), copy.Path(), std::filesystem::copy_options::recursive);
  ASSERT_EQ(Lns(copy.Path(), {"device", "state", "Demo", "Floor 1/Room 101", "Cnfg Offline"}).code,
            lnstool::kOk);
  const std::string changed = Lns(copy.Path(), {"devices", "Demo"}).out;
  EXPECT_NE(changed, devices);

  EXPECT_EQ(Lns(original.Path(), {"devices", "Demo"}).out, devices);

  // A root whose LonWorks Path names a folder of another machine by its absolute path uses that folder.
  const std::string originalFolder = (original.Path() / "LonWorks").string();
  ASSERT_EQ(
      Lns(copy.Path(), {"reg", "set", "HKLM", "SOFTWARE\\LonWorks", "LonWorks Path", originalFolder}).code,
      lnstool::kOk);
  EXPECT_EQ(Lns(copy.Path(), {"devices", "Demo"}).out, devices);
}

}  // namespace
