#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "TempMachineRoot.h"
#include "ToolRun.h"

namespace {

using lnstooltest::Lns;

TEST(LnsInit, CreatesTheFolderTreeAndTheRegistryValues) {
  testsupport::TempMachineRoot root;
  auto run = Lns({"init"});
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

  run = Lns({"reg", "get", "HKLM", "SOFTWARE\\LonWorks", "LonWorks Path"});
  EXPECT_EQ(run.out, (root.Path() / "LonWorks").string() + "\n");
  run = Lns({"reg", "get", "HKCU", "Control Panel\\International", "sDecimal"});
  ASSERT_EQ(run.code, lnstool::kOk);
  EXPECT_EQ(run.out.size(), 2u) << run.out;  // one separator character and the line end
}

TEST(LnsInit, NeverOverwritesAValueThatIsThere) {
  testsupport::TempMachineRoot root;
  ASSERT_EQ(Lns({"reg", "set", "HKCU", "Control Panel\\International", "sDecimal", ";"}).code, lnstool::kOk);
  ASSERT_EQ(Lns({"reg", "set", "HKLM", "SOFTWARE\\LonWorks", "LonWorks Path", "/opt/lonworks"}).code,
            lnstool::kOk);
  ASSERT_EQ(Lns({"init"}).code, lnstool::kOk);
  ASSERT_EQ(Lns({"init"}).code, lnstool::kOk);
  EXPECT_EQ(Lns({"reg", "get", "HKCU", "Control Panel\\International", "sDecimal"}).out, ";\n");
  EXPECT_EQ(Lns({"reg", "get", "HKLM", "SOFTWARE\\LonWorks", "LonWorks Path"}).out, "/opt/lonworks\n");
}

TEST(LnsInit, RefusesOtherArgumentsAndReportsWhatCannotBeMade) {
  testsupport::TempMachineRoot root;
  for (const lnstool::Args& args : {lnstool::Args{"init", "--demo", "x"}, lnstool::Args{"init", "demo"}}) {
    auto run = Lns(args);
    EXPECT_EQ(run.code, lnstool::kUsage);
    EXPECT_NE(run.err.find("usage: lns init"), std::string::npos) << run.err;
  }
  EXPECT_NE(Lns({"init", "--demo"}).code, lnstool::kUsage);

  std::ofstream(root.Path() / "file") << "x";
  setenv("LNS_ROOT", (root.Path() / "file").c_str(), 1);
  auto run = Lns({"init"});
  EXPECT_EQ(run.code, lnstool::kFailed);
  EXPECT_NE(run.err.find("lns init: "), std::string::npos) << run.err;
}

}  // namespace
