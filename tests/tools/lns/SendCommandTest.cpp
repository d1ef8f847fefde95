#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "TempMachineRoot.h"
#include "ToolRun.h"

namespace {

using lnstooltest::Lns;

using LnsSend = lnstooltest::DemoRootTest;

TEST_F(LnsSend, OpensTheDeviceThatThePathNames) {
  auto run = Lns(root.Path(), {"send", "Demo", "13", "7", "Demo/Floor 1/Room 101"});
  EXPECT_EQ(run.code, lnstool::kOk) << run.err;
  EXPECT_EQ(run.out, "device: Room 101\n");
  EXPECT_EQ(run.err, "");

  run = Lns(root.Path(), {"send", "Demo", "10000", "7", "Demo/Floor 2/Meter 1", "--interface", "LON1"});
  EXPECT_EQ(run.code, lnstool::kOk) << run.err;
  EXPECT_EQ(run.out, "device: Meter 1\n");
}

TEST_F(LnsSend, PrintsTheErrorsThatThePlugInRaises) {
  const std::string path = "Demo/Floor 1/Room 101";
  struct Case {
    lnstool::Args args;
    std::string err;
  };
  const Case cases[] = {
      {{"send", "Demo", "14", "7", path}, "error 20003: Command not supported (Calyxtern_qvr_lon_PlugIn)\n"},
      {{"send", "Demo", "13", "8", path},
       "error 20004: Object type not supported for this command (Calyxtern_qvr_lon_PlugIn)\n"},
      {{"send", "Demo", "13", "7", "Demo/Floor 1/Nobody"},
       "error 20005: Object not found (Calyxtern_qvr_lon_PlugIn)\n"},
      {{"send", "Nowhere", "13", "7", path},
       "error 20006: Cannot open the network Nowhere (Calyxtern_qvr_lon_PlugIn)\n"},
      {{"send", "Demo", "13", "7", path, "--interface", "LON9"},
       "error 20006: Cannot open the network Demo (Calyxtern_qvr_lon_PlugIn)\n"},
      // Registering asks the user first; nobody answers here, so the command ends at the first box.
      {{"send", "Demo", "50", "7", path},
       "lns send: the plug-in showed a message box: Plug-In installation successful. To finish installation "
       "please start the network-managment-tool again!\n"},
  };
  for (const Case& c : cases) {
    auto run = Lns(root.Path(), c.args);
    EXPECT_EQ(run.code, lnstool::kFailed) << c.err;
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(run.out, "");
  }
}

TEST_F(LnsSend, WritesTheMainWindowsSnapshotAfterTheCommand) {
  const std::filesystem::path file = root.Path() / "fMain.txt";
  auto run =
      Lns(root.Path(), {"send", "--snapshot", file.string(), "Demo", "13", "7", "Demo/Floor 1/Room 104"});
  ASSERT_EQ(run.code, lnstool::kOk) << run.err;
  std::ifstream in(file);
  std::stringstream snapshot;
  snapshot << in.rdbuf();
  EXPECT_EQ(snapshot.str().rfind("form fMain ", 0), 0u) << snapshot.str().substr(0, 200);
  EXPECT_NE(snapshot.str().find("visible=0"), std::string::npos) << "the director never showed the window";

  run = Lns(root.Path(), {"send", "Demo", "13", "7", "Demo/Floor 1/Room 104", "--snapshot",
                          (root.Path() / "no/such").string()});
  EXPECT_EQ(run.code, lnstool::kFailed);
  EXPECT_NE(run.err.find("cannot write the snapshot"), std::string::npos) << run.err;
}

std::string ReadText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Without the maker's types in the resource catalogue the device command asks first whether to go on.
// That question is the first box, though the command runs inside the plug-in's own error handling.
TEST_F(LnsSend, TheFirstBoxEndsTheCommandAndAnswersLetItGoOn) {
  const std::filesystem::path catalogue = root.Path() / "LonWorks/Types/resource-catalog.txt";
  std::string lines = ReadText(catalogue);
  const std::size_t types = lines.find("set 9FFF6E0000000000 3 types");
  ASSERT_NE(types, std::string::npos) << lines;
  lines.erase(types, lines.find('\n', types) + 1 - types);
  std::ofstream(catalogue, std::ios::binary | std::ios::trunc) << lines;
  const std::string question =
      "The device resource files required for this device are not present in this enviroment. Browsing and "
      "data formating capabilities might be restricted to standard types and standard functional profile "
      "templates therefore. Do you wish to continue?";
  const std::string path = "Demo/Floor 1/Room 101";

  auto run = Lns(root.Path(), {"send", "Demo", "13", "7", path});
  EXPECT_EQ(run.code, lnstool::kFailed);
  EXPECT_EQ(run.err, "lns send: the plug-in showed a message box: " + question + "\n");

  const std::filesystem::path snapshot = root.Path() / "run.txt";
  run =
      Lns(root.Path(), {"send", "Demo", "13", "7", path, "--answer", "yes", "--snapshot", snapshot.string()});
  EXPECT_EQ(run.code, lnstool::kOk) << run.err;
  EXPECT_EQ(run.out, "device: Room 101\n");
  const std::string text = ReadText(snapshot);
  EXPECT_NE(
      text.find("\nbox text=\"" + question + "\" title=\"Calyxtern_qvr_lon_PlugIn\" style=52 answer=yes\n"),
      std::string::npos)
      << text;

  run = Lns(root.Path(), {"send", "Demo", "13", "7", path, "--answer", "ok"});
  EXPECT_EQ(run.code, lnstool::kFailed);
  EXPECT_NE(run.err.find("the script answers OK, which message box"), std::string::npos) << run.err;
}

TEST_F(LnsSend, RefusesCommandLinesThatAreNotOne) {
  const lnstool::Args bad[] = {
      {"send", "Demo", "13", "7"},
      {"send", "Demo", "13", "7", "Demo/Floor 1/Room 101", "extra"},
      {"send", "Demo", "thirteen", "7", "Demo/Floor 1/Room 101"},
      {"send", "Demo", "-13", "7", "Demo/Floor 1/Room 101"},
      {"send", "Demo", "13", "32768", "Demo/Floor 1/Room 101"},
      {"send", "Demo", "2147483648", "7", "Demo/Floor 1/Room 101"},
      {"send", "Demo", "13", "7", "Demo/Floor 1/Room 101", "--interface"},
      {"send", "Demo", "13", "7", "Demo/Floor 1/Room 101", "--interface", "A", "--interface", "B"},
      {"send", "Demo", "13", "7", "Demo/Floor 1/Room 101", "--show", "--show"},
      {"send", "Demo", "13", "7", "Demo/Floor 1/Room 101", "--screenshot"},
      {"send", "Demo", "13", "7", "Demo/Floor 1/Room 101", "--answer", "maybe"},
      {"send", "Demo", "13", "7", "Demo/Floor 1/Room 101", "--do", "jump cmdApply"},
      {"send", "Demo", "13", "7", "Demo/Floor 1/Room 101", "--do"},
  };
  for (const lnstool::Args& args : bad) {
    auto run = Lns(root.Path(), args);
    EXPECT_EQ(run.code, lnstool::kUsage) << args[2] << ' ' << args.size();
    EXPECT_NE(run.err.find("usage: lns send NETWORK COMMAND CLASS OBJECTPATH"), std::string::npos) << run.err;
  }
}

// A tool without a window system (built without Qt) refuses what needs windows, before it opens anything.
TEST_F(LnsSend, RefusesToShowWindowsWithoutAWindowSystem) {
  const std::string path = "Demo/Floor 1/Room 101";
  const std::filesystem::path shot = root.Path() / "fMain.png";
  const lnstool::Args needWindows[] = {
      {"send", "Demo", "13", "7", path, "--show"},
      {"send", "Demo", "13", "7", path, "--screenshot", shot.string()},
      {"send", "--show", "Demo", "13", "7", path, "--screenshot", shot.string()},
  };
  for (const lnstool::Args& args : needWindows) {
    auto run = Lns(root.Path(), args);
    EXPECT_EQ(run.code, lnstool::kFailed);
    EXPECT_EQ(run.err, "lns send: --show and --screenshot need windows, and this lns was built without Qt\n");
    EXPECT_EQ(run.out, "") << "the command was not sent";
  }
  EXPECT_FALSE(std::filesystem::exists(shot));
}

}  // namespace

// A script's wait is bounded, so that a slip of the keyboard cannot hold the program for ever.
TEST_F(LnsSend, RefusesAWaitLongerThanAnHour) {
  for (const std::string line : {"wait 9223372036854775807", "wait 3600001"}) {
    auto run = Lns(root.Path(), {"send", "Demo", "13", "7", "Demo/Floor 1/Room 101", "--do", line});
    EXPECT_EQ(run.code, lnstool::kUsage) << line;
    EXPECT_EQ(run.err.rfind(
                  "lns send: cannot " + line + ": a wait lasts at most 3600000 milliseconds (one hour)\n", 0),
              0u)
        << run.err;
  }
  EXPECT_EQ(
      Lns(root.Path(), {"send", "Demo", "13", "7", "Demo/Floor 1/Room 101", "--do", "wait 3600000"}).code,
      lnstool::kOk);
}
