#include "DeviceModelTestSupport.h"

namespace devicemodel_test {
namespace {

struct ExpectedModel {
  std::string programId;
  std::string family;
  std::string germanDocumentation;
  bool sccTabs;
};

TEST_F(DeviceModelTest, EachSupportedModelAdaptsTheWindowToItsFamily) {
  fixture.SetLanguage("german");
  window();  // the main window calls the service once it stands
  // QVR-L2 devices after QVR-L1 devices get the space-comfort tabs back.
  const ExpectedModel models[] = {
      {kQvrl106, "QVR-L1", "\\Dokumentation\\qvrl106.pdf", false},
      {kQvrl207, "QVR-L2", "\\Dokumentation\\qvrl207.pdf", true},
      {kQvrl105, "QVR-L1", "\\Dokumentation\\qvrl106.pdf", false},
      {kQvrl206, "QVR-L2", "\\Dokumentation\\qvrl207.pdf", true},
  };
  for (const ExpectedModel& model : models) {
    StartDeviceCommand(model.programId);
    Apply(model.programId, 0, "", 0, 100, -1);  // a tab change passes Spare True
    EXPECT_EQ(program.model.DeviceTypeName, model.family) << model.programId;
    EXPECT_EQ(program.model.DocumentationFile, model.germanDocumentation) << model.programId;
    EXPECT_EQ(program.model.ReadmeFile, "\\readme_ger.txt") << model.programId;
    for (int tab = 0; tab < 8; ++tab) {
      EXPECT_EQ(window().tabData.TabShown(tab), tab < 6 || model.sccTabs)
          << model.programId << " tab " << tab;
    }
  }
}

TEST_F(DeviceModelTest, TheLanguageOfTheDeviceCommandChoosesTheFiles) {
  fixture.SetLanguage("english");
  StartDeviceCommand(kQvrl105);
  EXPECT_EQ(program.model.DocumentationFile, "\\Dokumentation\\qvrl106_eng.pdf");
  EXPECT_EQ(program.model.ReadmeFile, "\\readme_eng.txt");

  // Only the first call of a command reads the language: later calls keep the files.
  fixture.SetLanguage("german");
  Apply(kQvrl207, 1);
  Apply(kQvrl207, 0, "Nvi", 3);
  EXPECT_EQ(program.model.DeviceTypeName, "QVR-L2");
  EXPECT_EQ(program.model.DocumentationFile, "\\Dokumentation\\qvrl106_eng.pdf");

  StartDeviceCommand(kQvrl207);
  EXPECT_EQ(program.model.DocumentationFile, "\\Dokumentation\\qvrl207.pdf");
  EXPECT_EQ(program.model.ReadmeFile, "\\readme_ger.txt");

  // Any language other than exactly "german" gets the English files.
  for (const std::string language : {"English", "", "deutsch"}) {
    fixture.SetLanguage("german");
    StartDeviceCommand(kQvrl207);
    fixture.SetLanguage(language);
    StartDeviceCommand(kQvrl106);
    EXPECT_EQ(program.model.DeviceTypeName, "QVR-L1");
    EXPECT_EQ(program.model.DocumentationFile, "\\Dokumentation\\qvrl106_eng.pdf") << language;
    EXPECT_EQ(program.model.ReadmeFile, "\\readme_eng.txt") << language;
  }
}

TEST_F(DeviceModelTest, AnUnsupportedProgramIdChangesNothingButTheSettings) {
  OpenDevice(kQvrl105);
  window().RTHinweis.SetText("as before");
  nciBox(0).SetText("100.0 1");
  SetDecimalSeparator(".");
  fixture.SetLanguage("german");

  for (const std::string other : {"9fff6e0a5a060409", "80000A0B0C0D0E0F", ""}) {
    program.model.SettingsPending = true;
    Apply(other, 1, "Nvi", 1, 100, -1);
    EXPECT_EQ(program.model.DecimalSep, ".") << other;
    EXPECT_EQ(program.model.DeviceTypeName, "QVR-L1") << other;
    EXPECT_EQ(program.model.DocumentationFile, "\\Dokumentation\\qvrl106_eng.pdf") << other;
    EXPECT_FALSE(window().tabData.TabShown(6)) << other;
    EXPECT_EQ(window().RTHinweis.Text(), "as before") << other;
    EXPECT_EQ(nciBox(80).Text(), "") << other;
  }
}

bool AllEnabled(const ui::ControlArray<ui::ComboBox>& combos, std::initializer_list<int> indexes,
                bool enabled) {
  for (int index : indexes) {
    if (combos[index].Enabled() != enabled) return false;
  }
  return true;
}

TEST_F(DeviceModelTest, TheInputCombosOfTheSmallerFamilyFollowTheDeviceState) {
  OpenDevice(kQvrl106, "Cnfg Offline");
  EXPECT_TRUE(AllEnabled(window().cmb_nvi, {1, 2, 3, 4, 5, 8, 12}, false));
  // The space-comfort controls and everything else stay as they were.
  EXPECT_TRUE(AllEnabled(window().cmb_nvi, {20, 21, 22, 23, 24}, true));
  EXPECT_TRUE(window().cmd_Nvi_Reset[16].Enabled());
  EXPECT_TRUE(nviBox(3).Enabled());
  EXPECT_TRUE(nciCombo(17).Enabled());

  // Only the value-reading call tests the state.
  window().PlugInStatus.Panels(4).SetText("Cnfg Online");
  Apply(kQvrl106, 0, "Nvi", 4);
  EXPECT_TRUE(AllEnabled(window().cmb_nvi, {1, 2, 3, 4, 5, 8, 12}, false));

  // A later device that is online can be edited again.
  OpenDevice(kQvrl105, "Cnfg Online");
  EXPECT_TRUE(AllEnabled(window().cmb_nvi, {1, 2, 3, 4, 5, 8, 12}, true));
}

TEST_F(DeviceModelTest, TheInputCombosAndResetButtonsOfTheLargerFamilyFollowTheDeviceState) {
  const std::initializer_list<int> combos = {1, 2, 3, 4, 5, 8, 12, 20, 21, 22, 23, 24};
  for (const std::string state : {"Cnfg Offline", "Cnfg Online ", "cnfg online", "Unconfigured", ""}) {
    OpenDevice(kQvrl207, "Cnfg Online");
    ASSERT_TRUE(AllEnabled(window().cmb_nvi, combos, true)) << state;
    OpenDevice(kQvrl207, state);
    EXPECT_TRUE(AllEnabled(window().cmb_nvi, combos, false)) << state;
    for (int reset = 16; reset <= 19; ++reset) EXPECT_FALSE(window().cmd_Nvi_Reset[reset].Enabled()) << state;
    EXPECT_TRUE(nviBox(20).Enabled()) << state;
  }
  OpenDevice(kQvrl206, "Cnfg Online");
  EXPECT_TRUE(AllEnabled(window().cmb_nvi, combos, true));
  for (int reset = 16; reset <= 19; ++reset) EXPECT_TRUE(window().cmd_Nvi_Reset[reset].Enabled());
}

std::vector<std::string> ListOf(const ui::ComboBox& combo) {
  std::vector<std::string> entries;
  for (int entry = 0; entry < combo.ListCount(); ++entry) entries.push_back(combo.List(entry));
  return entries;
}

TEST_F(DeviceModelTest, TheSwitchListsOfTheLargerFamilyHoldTheThreeSwitchTextsOnce) {
  UseDecimalSeparator(",");
  nviBox(23).SetText("100,0 1");
  nviBox(24).SetText("0,0 -1");
  OpenDevice(kQvrl207);
  OpenDevice(kQvrl206);
  const std::vector<std::string> withComma = {"0,0 0", "100,0 1", "0,0 -1"};
  EXPECT_EQ(ListOf(nviCombo(23)), withComma);
  EXPECT_EQ(ListOf(nviCombo(24)), withComma);
  EXPECT_EQ(nviCombo(23).Text(), "100,0 1");
  EXPECT_EQ(nviCombo(23).ListIndex(), 1);
  EXPECT_EQ(nviCombo(24).Text(), "0,0 -1");

  SetDecimalSeparator(".");
  nviBox(23).SetText("0.0 0");
  OpenDevice(kQvrl207);
  const std::vector<std::string> withPoint = {"0.0 0", "100.0 1", "0.0 -1"};
  EXPECT_EQ(ListOf(nviCombo(23)), withPoint);
  EXPECT_EQ(ListOf(nviCombo(24)), withPoint);
  EXPECT_EQ(nviCombo(23).Text(), "0.0 0");

  // The smaller family has no such lists to fill.
  nviCombo(23).Clear();
  OpenDevice(kQvrl106);
  EXPECT_EQ(nviCombo(23).ListCount(), 0);
}

}  // namespace
}  // namespace devicemodel_test
