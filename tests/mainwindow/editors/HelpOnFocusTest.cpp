// The help pane follows the focus to the data point that the focused control edits; a tab change leaves
// it; a device that cannot be read shows nothing new and is logged.

#include <gtest/gtest.h>

#include "DemoMachineFixture.h"
#include "identity/PlugInIdentity.h"
#include "mainwindow/design/SetLanguageTexts.h"
#include "program/Program.h"
#include "services/CRegistry.h"
#include "texts/WindowTexts.h"

namespace editors_test {

using namespace testsupport;
namespace {

class HelpOnFocusTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    Open("Floor 1", "Room 101");
  }
  std::string Pane() { return window().RTHinweis.Text(); }
};

TEST_F(HelpOnFocusTest, FocusShowsTheHelpOfTheDataPointTheControlEdits) {
  const qvr::TextTables& texts = program().texts;
  const std::pair<ui::Control*, const std::string*> cases[] = {
      {&Nci(73), &texts.HelpTextNci[49]},  // a set point: the set points' row
      {&Nvi(8), &texts.HelpTextNvi[8]},
      {&Nci(91), &texts.HelpTextNci[21]},  // a part of the light ratio
      {&SettingBox(8), &texts.HelpTextNvi[8]},
      {&Nci(80), &texts.HelpTextNci[0]},
      {&Combo(37), &texts.HelpTextNci[36]},  // a digit choice of the digital input's row
      {&Nci(12), &texts.HelpTextNci[12]},
      {&Combo(36), &texts.HelpTextNci[36]},
      {&Combo(0), &texts.HelpTextNci[19]},  // the override bit of the first light controller
      {&Combo(1), &texts.HelpTextNci[30]},
      {&NviCombo(20), &texts.HelpTextNvi[20]},
      {&Combo(54), &texts.HelpTextNci[54]},
      {&window().txtNvo[10], &texts.HelpTextNvo[10]},
  };
  for (const auto& [control, help] : cases) {
    SCOPED_TRACE(control->DisplayName());
    ASSERT_NE(Pane(), *help);
    window().UserMovesFocus(*control);
    ASSERT_EQ(window().ActiveControl(), control);
    EXPECT_EQ(Pane(), *help);
  }

  // A tab change shows no help of its own.
  const std::string shown = Pane();
  window().tabData.UserSelectsTab(5);
  EXPECT_EQ(window().tabData.Tab(), 5);
  EXPECT_EQ(Pane(), shown);
  EXPECT_TRUE(ErrorLines().empty());
}

// The pane speaks the interface language: the texts that the language fills for the main window.
TEST_F(HelpOnFocusTest, ThePaneShowsTheHelpInTheInterfaceLanguage) {
  window().UserMovesFocus(Nci(12));
  EXPECT_TRUE(Pane().starts_with("SCPT Type:")) << Pane();
  runtime::ErrObject err;
  qvr::CRegistry(err, program().Registry()).MachineSetting(qvr::kPlugInKey, "Language", "german");
  qvr::SetLanguageTexts(program(), window(), qvr::kMainWindowTexts);
  window().UserMovesFocus(Nvi(8));
  window().UserMovesFocus(Nci(12));
  EXPECT_TRUE(Pane().starts_with("SCPT Typ:")) << Pane();
  EXPECT_NE(Pane().find("Funktion:"), std::string::npos);
}

TEST_F(HelpOnFocusTest, ADeviceThatCannotBeShownLeavesThePane) {
  window().UserMovesFocus(Nci(12));
  const std::string shown = Pane();
  // A device of another maker has no help texts.
  program().framework.CurrentDevice = DemoDevice("Floor 2", "Meter 1");
  window().UserMovesFocus(Nci(73));
  EXPECT_EQ(Pane(), shown);
  EXPECT_TRUE(ErrorLines().empty());

  // A device that can no longer be read: the boxes and the tabs log it, the combo boxes do not.
  program().framework.CurrentSystem->Close();
  window().UserMovesFocus(Nci(91));
  window().UserMovesFocus(Combo(37));
  window().UserMovesFocus(Nvi(3));
  window().UserMovesFocus(window().txtNvo[4]);
  window().UserMovesFocus(NviCombo(4));
  window().tabData.UserSelectsTab(2);
  EXPECT_EQ(Pane(), shown);
  const std::vector<std::string> errors = ErrorLines();
  ASSERT_EQ(errors.size(), 4u);
  EXPECT_TRUE(IsErrorLineOf(errors[0], " txtNci_GotFocus")) << errors[0];
  EXPECT_TRUE(IsErrorLineOf(errors[1], " txtNvi_GotFocus")) << errors[1];
  EXPECT_TRUE(IsErrorLineOf(errors[2], "  txtNvo_GotFocus(fMain)")) << errors[2];
  EXPECT_TRUE(IsErrorLineOf(errors[3], " tabData(fMain)")) << errors[3];
}

}  // namespace
}  // namespace editors_test
