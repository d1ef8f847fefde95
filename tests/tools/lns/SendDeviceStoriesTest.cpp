// A director's commands on the demo machine as a user meets them: the texts of the boxes the plug-in shows
// and the registry values and type files it depends on.

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

namespace {

using lnstooltest::Lns;

const std::string kBoxShown = "lns send: the plug-in showed a message box: ";

using SendDeviceStories = lnstooltest::DemoRootTest;

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
  const std::filesystem::path types = root.Path() / "LonWorks" / "Types";
  std::filesystem::remove_all(types / "User" / "Calyxtern");
  std::ifstream in(types / "resource-catalog.txt", std::ios::binary);
  std::stringstream catalogue;
  catalogue << in.rdbuf();
  in.close();
  std::string lines = catalogue.str();
  const std::size_t set = lines.find("set 9FFF6E0000000000 3 types");
  ASSERT_NE(set, std::string::npos) << lines;
  lines.erase(set, lines.find('\n', set) + 1 - set);
  std::ofstream(types / "resource-catalog.txt", std::ios::binary | std::ios::trunc) << lines;

  auto run = Lns(root.Path(), {"send", "Demo", "50", "7", "Demo/Floor 1/Room 101", "--answer", "ok",
                               "--answer", "ok", "--answer", "ok", "--answer", "ok", "--answer", "no"});
  EXPECT_EQ(run.code, lnstool::kFailed);
  EXPECT_EQ(run.err, kBoxShown + "Unable to add the resources listed in the ResourceTable to the catalog\n");
}

}  // namespace
