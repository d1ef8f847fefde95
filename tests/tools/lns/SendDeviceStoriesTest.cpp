// A director's commands on the demo machine as a user meets them: the texts of the boxes the plug-in shows,
// the registry values and type files it depends on, a device the user declines or whose opening the user
// aborts, and Cancel on a row that could not be read.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "TempMachineRoot.h"
#include "ToolRun.h"
#include "identity/PlugInIdentity.h"
#include "platform/registry/MachineSetup.h"
#include "platform/registry/RegistryStore.h"
#include "platform/sqlite/Database.h"

namespace {

using lnstooltest::Lns;

const std::string kBoxShown = "lns send: the plug-in showed a message box: ";

using SendDeviceStories = lnstooltest::DemoRootTest;

const std::string kRoom101 = "Demo/Floor 1/Room 101";
const std::string kRoom104 = "Demo/Floor 1/Room 104";
const std::string kMaxSendTime = "F:3/C:0:49";  // row 3

std::string ReadAll(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The maker's type files are gone, and the catalogue no longer lists them.
void RemoveMakersTypeFiles(const std::filesystem::path& root) {
  const std::filesystem::path types = root / "LonWorks" / "Types";
  std::filesystem::remove_all(types / "User" / "Calyxtern");
  std::string lines = ReadAll(types / "resource-catalog.txt");
  const std::size_t set = lines.find("set 9FFF6E0000000000 3 types");
  ASSERT_NE(set, std::string::npos) << lines;
  lines.erase(set, lines.find('\n', set) + 1 - set);
  std::ofstream(types / "resource-catalog.txt", std::ios::binary | std::ios::trunc) << lines;
}

// Room 104's template (QVR-L2) has no property at row 3's address: its initial read fails twice.
void MoveRow3OutOfRoom104sTemplate(const std::filesystem::path& root) {
  sqlite::Database network(root / "LonWorks" / "Databases" / "Demo" / "network.sqlite");
  network.Run(
      "UPDATE template_cps SET owner_index = 98 WHERE position = 3 AND template_id = "
      "(SELECT id FROM templates WHERE name = 'qvrl207')");
}

// The snapshot without the message boxes' lines.
std::string Window(const std::string& snapshot) {
  return snapshot.substr(0, snapshot.find("\nbox ") + 1);
}

std::string Line(const std::string& snapshot, const std::string& control) {
  const std::size_t start = snapshot.find("\n" + control + " ");
  return start == std::string::npos ? "" : snapshot.substr(start + 1, snapshot.find('\n', start + 1) - start);
}

// Another maker's meter opens with no property rows: there is nothing to save, said in the plug-in's
// language.
TEST_F(SendDeviceStories, SavingTheParametersOfAnUnsupportedDeviceSaysItHasNone) {
  const lnstool::Args save = {
      "send", "Demo", "13", "7", "Demo/Floor 2/Meter 1", "--do", "click mnuParameter_speichern"};
  auto run = Lns(root.Path(), save);
  EXPECT_EQ(run.code, lnstool::kFailed);
  EXPECT_EQ(run.err, kBoxShown + "This device has no parameters to save.\n");

  ASSERT_EQ(Lns(root.Path(), {"reg", "set", "HKLM", qvr::kPlugInKey, "Language", "german"}).code,
            lnstool::kOk);
  run = Lns(root.Path(), save);
  EXPECT_EQ(run.err, kBoxShown + "Dieses Gerät hat keine Parameter zum Speichern.\n");
}

// A LonWorks path stored as expandable text is the same path to the plug-in as to the Object Server: the
// catalogue under it lists the maker's types, so no question comes before the device opens.
TEST_F(SendDeviceStories, ALonWorksPathStoredAsExpandableTextIsReadByEveryReader) {
  {
    reg::RegistryStore store(reg::RegistryStore::FileIn(root.Path()));
    const auto path =
        reg::ReadText(store, reg::Hive::LocalMachine, reg::kLonWorksKey, reg::kLonWorksPathValue);
    ASSERT_TRUE(path);
    ASSERT_EQ(store.SetValue(reg::Hive::LocalMachine, reg::kLonWorksKey, reg::kLonWorksPathValue,
                             reg::RegValue{reg::ValueType::ExpandSz, *path + std::string(1, '\0') + "rest"}),
              reg::Status::Ok);
  }
  auto run = Lns(root.Path(), {"send", "Demo", "13", "7", "Demo/Floor 1/Room 101"});
  EXPECT_EQ(run.code, lnstool::kOk) << run.err;
  EXPECT_EQ(run.out, "device: Room 101\n");
}

// Registering in the network while the maker's type files are gone: adding their folder's parent to the
// catalogue finds nothing, and the user is told so instead of a success.
TEST_F(SendDeviceStories, RegisteringWithoutTheMakersTypeFilesReportsThemMissing) {
  RemoveMakersTypeFiles(root.Path());
  auto run = Lns(root.Path(), {"send", "Demo", "50", "7", "Demo/Floor 1/Room 101", "--answer", "ok",
                               "--answer", "ok", "--answer", "ok", "--answer", "ok", "--answer", "no"});
  EXPECT_EQ(run.code, lnstool::kFailed);
  EXPECT_EQ(run.err, kBoxShown + "Unable to add the resources listed in the ResourceTable to the catalog\n");
}

// A device command that the user declines or aborts changes nothing: the window goes on showing (and
// monitoring) the device it showed, with the user's edit, Apply writes that device, and no device is named
// as opened.
TEST_F(SendDeviceStories, ADeclinedOrAbortedDeviceLeavesTheWindowAsItWas) {
  RemoveMakersTypeFiles(root.Path());
  auto run = Lns(root.Path(), {"send", "Demo", "13", "7", kRoom101, "--answer", "no"});
  EXPECT_EQ(run.code, lnstool::kOk) << run.err;
  EXPECT_EQ(run.out, "");

  const std::string snapshot = (root.Path() / "snapshot.txt").string();
  run = Lns(root.Path(), {"send", "Demo", "13", "7", kRoom101, "--answer", "yes", "--do",
                          "send 13 7 Demo/Floor 1/Room 102", "--answer", "no", "--do", "set txtNci(3) 66",
                          "--do", "click cmdApply", "--answer", "yes", "--snapshot", snapshot});
  EXPECT_EQ(run.code, lnstool::kOk) << run.err;
  EXPECT_EQ(run.out, "device: Room 101\n");
  EXPECT_EQ(Lns(root.Path(), {"cp", "get", "Demo", "Floor 1/Room 102", kMaxSendTime}).out, "120.0\n");
  EXPECT_EQ(Lns(root.Path(), {"cp", "get", "Demo", "Floor 1/Room 101", kMaxSendTime}).out, "66.0\n");
  EXPECT_NE(Line(ReadAll(snapshot), "PlugInStatus").find("[\"Room 101\",\"QVR-L2\""), std::string::npos);
  EXPECT_NE(Line(ReadAll(snapshot), "chkMonitor").find(" value=1 "), std::string::npos);

  // Aborted in the initial reads of a device of the other family: the window is the one before, to the
  // user's unapplied edit.
  MoveRow3OutOfRoom104sTemplate(root.Path());
  const std::string before = (root.Path() / "before.txt").string();
  run = Lns(root.Path(), {"send", "Demo", "13", "7", "Demo/Floor 2/Room 201", "--answer", "yes", "--do",
                          "set txtNci(2) 77", "--do", "snapshot " + before, "--do", "send 13 7 " + kRoom104,
                          "--answer", "yes", "--answer", "abort", "--snapshot", snapshot});
  EXPECT_EQ(run.code, lnstool::kOk) << run.err;
  EXPECT_NE(ReadAll(snapshot).find("answer=abort"), std::string::npos);
  EXPECT_EQ(Window(ReadAll(snapshot)), Window(ReadAll(before)));
}

// Cancel after a row that could not be read gives it back its empty text, unmarked.
TEST_F(SendDeviceStories, CancelPutsBackTheEmptyTextOfARowThatCouldNotBeRead) {
  MoveRow3OutOfRoom104sTemplate(root.Path());
  const std::string snapshot = (root.Path() / "snapshot.txt").string();
  const auto run =
      Lns(root.Path(), {"send", "Demo", "13", "7", kRoom104, "--answer", "ignore", "--answer", "ignore",
                        "--do", "type txtNci(3) 55", "--do", "click cmdCancel", "--snapshot", snapshot});
  ASSERT_EQ(run.code, lnstool::kOk) << run.err;
  const std::string window = ReadAll(snapshot);
  EXPECT_NE(Line(window, "txtNci(3)").find(" text=\"\" "), std::string::npos) << Line(window, "txtNci(3)");
  EXPECT_EQ(Line(window, "txtNci(3)").find(" fore=255 "), std::string::npos);
  EXPECT_NE(Line(window, "cmdApply").find(" enabled=0 "), std::string::npos);
  EXPECT_NE(Line(window, "cmdCancel").find(" enabled=0 "), std::string::npos);
}

}  // namespace
