#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "OpenedSystem.h"
#include "TempMachineRoot.h"
#include "ToolRun.h"
#include "platform/MachineRoot.h"

namespace {

using lnstooltest::Lns;

TEST(LnsInit, CreatesTheFolderTreeAndTheRegistryValues) {
  testsupport::TempMachineRoot root;
  auto run = Lns(root.Path(), {"init"});
  ASSERT_EQ(run.code, lnstool::kOk) << run.err;
  EXPECT_NE(run.out.find(root.Path().string()), std::string::npos) << run.out;
  for (const char* folder : {"Types", "Import", "PlugIns"}) {
    EXPECT_TRUE(std::filesystem::is_directory(root.Path() / "LonWorks" / folder)) << folder;
  }
  EXPECT_TRUE(std::filesystem::is_regular_file(root.Path() / "registry.sqlite"));
  // The plug-in's program folder, where the parameter dialogs start, with the documents its help opens.
  const std::filesystem::path program = root.Path() / "LonWorks" / "PlugIns" / "Calyxtern" / "qvr_lon";
  for (const char* file :
       {"readme_ger.txt", "readme_eng.txt", "H_Point.cur", "Dokumentation/qvrl106.pdf",
        "Dokumentation/qvrl106_eng.pdf", "Dokumentation/qvrl207.pdf", "Dokumentation/qvrl207_eng.pdf"}) {
    EXPECT_TRUE(std::filesystem::is_regular_file(program / file)) << file;
  }

  run = Lns(root.Path(), {"reg", "get", "HKLM", "SOFTWARE\\LonWorks", "LonWorks Path"});
  EXPECT_EQ(run.out, "C:\\LonWorks\n");
  run = Lns(root.Path(), {"reg", "get", "HKCU", "Control Panel\\International", "sDecimal"});
  ASSERT_EQ(run.code, lnstool::kOk);
  EXPECT_EQ(run.out.size(), 2u) << run.out;  // one separator character and the line end
}

TEST(LnsInit, NeverOverwritesAValueThatIsThere) {
  testsupport::TempMachineRoot root;
  ASSERT_EQ(Lns(root.Path(), {"reg", "set", "HKCU", "Control Panel\\International", "sDecimal", ";"}).code,
            lnstool::kOk);
  ASSERT_EQ(
      Lns(root.Path(), {"reg", "set", "HKLM", "SOFTWARE\\LonWorks", "LonWorks Path", "/opt/lonworks"}).code,
      lnstool::kOk);
  ASSERT_EQ(Lns(root.Path(), {"init"}).code, lnstool::kOk);
  ASSERT_EQ(Lns(root.Path(), {"init"}).code, lnstool::kOk);
  EXPECT_EQ(Lns(root.Path(), {"reg", "get", "HKCU", "Control Panel\\International", "sDecimal"}).out, ";\n");
  EXPECT_EQ(Lns(root.Path(), {"reg", "get", "HKLM", "SOFTWARE\\LonWorks", "LonWorks Path"}).out,
            "/opt/lonworks\n");
}

TEST(LnsInit, RefusesOtherArgumentsAndReportsWhatCannotBeMade) {
  testsupport::TempMachineRoot root;
  for (const lnstool::Args& args : {lnstool::Args{"init", "--demo", "x"}, lnstool::Args{"init", "demo"}}) {
    auto run = Lns(root.Path(), args);
    EXPECT_EQ(run.code, lnstool::kUsage);
    EXPECT_NE(run.err.find("usage: lns init"), std::string::npos) << run.err;
  }
  EXPECT_NE(Lns(root.Path(), {"init", "--demo"}).code, lnstool::kUsage);

  std::ofstream(root.Path() / "file") << "x";
  auto run = Lns(root.Path() / "file", {"init"});
  EXPECT_EQ(run.code, lnstool::kFailed);
  EXPECT_NE(run.err.find("lns init: "), std::string::npos) << run.err;
}

// Several installers set up one machine at once: each copies the shipped files into place without tripping
// over the others' copies.
TEST(LnsInit, ManyAtOnceAllSucceed) {
  testsupport::TempMachineRoot root;
  std::vector<lnstooltest::ToolRun> runs(8);
  std::vector<std::thread> threads;
  for (auto& run : runs) {
    threads.emplace_back([&run, &root] {
      for (int round = 0; round < 3 && run.code != lnstool::kFailed; ++round)
        run = Lns(root.Path(), {"init"});
    });
  }
  for (auto& thread : threads) thread.join();
  for (const auto& run : runs) EXPECT_EQ(run.code, lnstool::kOk) << run.err;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root.Path()))
    EXPECT_EQ(entry.path().string().find(".new"), std::string::npos) << entry.path();
}

// A demo that fails half-way (here on a broken interface file) leaves no network behind: once the file is
// mended, the demo is made whole.
TEST(LnsInit, AFailedDemoLeavesNoNetwork) {
  testsupport::TempMachineRoot root;
  const std::filesystem::path data = root.Path() / "data";
  std::filesystem::copy(platform::DataDir(), data, std::filesystem::copy_options::recursive);
  std::ofstream(data / "interfaces" / "qvrl207.xif", std::ios::trunc) << "not an interface\n";
  auto run = Lns(root.Path(), {"init", "--demo"}, data);
  EXPECT_EQ(run.code, lnstool::kFailed);
  EXPECT_EQ(Lns(root.Path(), {"networks"}).out, "");

  run = Lns(root.Path(), {"init", "--demo"});
  EXPECT_EQ(run.code, lnstool::kOk) << run.err;
  EXPECT_NE(run.out.find("network Demo created"), std::string::npos) << run.out;
  const std::string devices = Lns(root.Path(), {"devices", "Demo"}).out;
  EXPECT_EQ(std::count(devices.begin(), devices.end(), '\n'), 8) << devices;
}

// The demo's online devices are simulated; `lns device simulate` switches one off and on.
TEST(LnsInit, DemoSimulatesItsOnlineDevices) {
  testsupport::TempMachineRoot root;
  ASSERT_EQ(Lns(root.Path(), {"init", "--demo"}).code, lnstool::kOk);
  const auto simulated = [&](const char* subsystem, const char* device) {
    testsupport::OpenedSystem opened(root.Path());
    return opened.system.GetSubsystems().Item(subsystem).GetAppDevices().Item(device).GetSimulated();
  };
  EXPECT_TRUE(simulated("Floor 1", "Room 101"));
  EXPECT_TRUE(simulated("Floor 2", "Meter 1"));
  EXPECT_FALSE(simulated("Floor 1", "Room 103"));  // offline
  EXPECT_FALSE(simulated("Floor 2", "Room 203"));  // unconfigured

  EXPECT_EQ(Lns(root.Path(), {"device", "simulate", "Demo", "Floor 1/Room 101", "off"}).code, lnstool::kOk);
  EXPECT_FALSE(simulated("Floor 1", "Room 101"));
  EXPECT_EQ(Lns(root.Path(), {"device", "simulate", "Demo", "Floor 1/Room 103", "on"}).code, lnstool::kOk);
  EXPECT_TRUE(simulated("Floor 1", "Room 103"));
  EXPECT_EQ(Lns(root.Path(), {"device", "simulate", "Demo", "Floor 1/Room 103", "maybe"}).code,
            lnstool::kUsage);
}

}  // namespace
