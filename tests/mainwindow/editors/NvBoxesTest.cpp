// The network-variable input boxes as the user edits them: companion controls following the text,
// the change mark, monitoring suspended for an edited input, reset buttons, the setting boxes, the
// shortened unit status, and a failed edit.

#include <gtest/gtest.h>

#include "DemoMachineFixture.h"
#include "mainwindow/device/fStartbild.h"
#include "program/Program.h"

namespace editors_test {

using namespace testsupport;
namespace {

class NvBoxesTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    UseDecimalSeparator(",");
    Open("Floor 1", "Room 101");  // online, so monitoring is on
  }
};

TEST_F(NvBoxesTest, CompanionsFollowTheBoxTextAndShareItsMark) {
  // A light controller's setting: the sixth character picks the function, the setting box gets the
  // value, and the box keeps the text as typed.
  Edit(Nvi(8), "SET_UP 20,0 0,00");
  EXPECT_EQ(NviCombo(8).ListIndex(), 2);
  EXPECT_EQ(SettingBox(8).Text(), "20,0");
  EXPECT_EQ(Nvi(8).Text(), "SET_UP 20,0 0,00");
  EXPECT_TRUE(Red(Nvi(8)) && Red(NviCombo(8)) && Red(SettingBox(8)));
  EXPECT_TRUE(ApplyAndCancelEnabled());

  // Lower case selects no function until the box is left and upper-cased.
  Edit(Nvi(8), "set_down 30,0 0,00");
  EXPECT_EQ(NviCombo(8).ListIndex(), -1);
  window().UserMovesFocus(Nvi(9));
  EXPECT_EQ(Nvi(8).Text(), "SET_DOWN 30,0 0,00");
  EXPECT_EQ(NviCombo(8).ListIndex(), 3);

  // Typed back to the device's value: box and companions normal, nothing left to apply.
  Edit(Nvi(8), NviRow(8).NviValue);
  EXPECT_TRUE(Normal(Nvi(8)) && Normal(NviCombo(8)) && Normal(SettingBox(8)));
  EXPECT_FALSE(ApplyAndCancelEnabled());

  // A switch is off for the state 0, as the device reads it ("00" too), and neither for a state it does
  // not know.
  Edit(Nvi(4), "0,0 0");
  EXPECT_EQ(NviCombo(4).ListIndex(), 1);
  Edit(Nvi(4), "0,0 00");
  EXPECT_EQ(NviCombo(4).ListIndex(), 1);
  EXPECT_EQ(Nvi(4).Text(), "0,0 00");
  Edit(Nvi(4), "0,0 x");
  EXPECT_EQ(NviCombo(4).ListIndex(), -1);
  Edit(Nvi(4), "100,0 1");
  Edit(Nvi(4), "0.0 0");  // the point where the comma is the separator
  EXPECT_EQ(NviCombo(4).ListIndex(), 1);
  EXPECT_EQ(Nvi(4).Text(), "0,0 0") << "the choice moved to off and wrote its text";
  EXPECT_TRUE(Red(NviCombo(4)));

  // The occupancy controller's setting is on for SET_ON, off for SET_OFF, and neither for another function.
  Edit(Nvi(3), "SET_OFF 0,0 0,00");
  EXPECT_EQ(NviCombo(3).ListIndex(), 1);
  Edit(Nvi(3), "SET_UP 0,0 0,00");
  EXPECT_EQ(NviCombo(3).ListIndex(), -1);

  // Names are copied.
  Edit(Nvi(1), "OC_OCCUPIED");
  EXPECT_EQ(NviCombo(1).Text(), "OC_OCCUPIED");
  EXPECT_EQ(NviCombo(1).ListIndex(), 1);
  EXPECT_TRUE(Red(NviCombo(1)));

  // A box without companions is marked alone.
  Edit(Nvi(6), "12");
  EXPECT_TRUE(Red(Nvi(6)));
}

TEST_F(NvBoxesTest, AHiddenWindowOnlyRefreshesApplyAndCancel) {
  window().Hide();
  Nvi(4).SetText("0,0 0");
  EXPECT_EQ(NviCombo(4).ListIndex(), -1);
  EXPECT_TRUE(Normal(Nvi(4)));
  EXPECT_FALSE(MonitoringSuspended(4));
  EXPECT_FALSE(ApplyAndCancelEnabled());

  // Apply and Cancel still follow the marks the boxes hold.
  Nvi(6).SetForeColor(ui::vbRed);
  Nvi(7).SetText("5");
  EXPECT_TRUE(ApplyAndCancelEnabled());
  Nvi(6).SetForeColor(ui::vbButtonText);
  Nvi(7).SetText("6");
  EXPECT_FALSE(ApplyAndCancelEnabled());
}

// An input is not monitored while its box differs from the stored value, and is again as soon as it
// equals it: a box never shows a stale value as if it came from the device.
TEST_F(NvBoxesTest, AnInputIsNotMonitoredWhileItsBoxHoldsAnEdit) {
  ASSERT_EQ(window().chkMonitor.Value(), ui::vbChecked);
  // Keys that change nothing are no edit: a dropped letter, Enter in an unchanged box.
  Type(Nvi(6), "a\r");
  EXPECT_FALSE(MonitoringSuspended(6));
  Type(Nvi(6), "5");
  EXPECT_EQ(Nvi(6).Text(), "05");
  EXPECT_TRUE(MonitoringSuspended(6));
  EXPECT_FALSE(MonitoringSuspended(9));
  // A text pasted without a key suspends as well.
  Edit(Nvi(13), "700");
  EXPECT_TRUE(MonitoringSuspended(13));

  // The device's new values reach the other inputs, not the edit.
  DeviceReports(14, "750");
  DeviceReports(20, "600");
  EXPECT_EQ(Nvi(6).Text(), "05");
  EXPECT_EQ(Nvi(9).Text(), "600");
  EXPECT_TRUE(Normal(Nvi(9)));

  // Typed back to the stored value: unmarked and monitored again.
  Type(Nvi(6), "\b");
  EXPECT_TRUE(Normal(Nvi(6)));
  EXPECT_FALSE(MonitoringSuspended(6));
  Edit(Nvi(13), NviRow(13).NviValue);
  EXPECT_FALSE(ApplyAndCancelEnabled());
  DeviceReports(14, "800");
  EXPECT_EQ(Nvi(6).Text(), "800");
  EXPECT_TRUE(Normal(Nvi(6)));

  // A setting typed into its setting box is not replaced by the device before the box is left.
  window().UserMovesFocus(SettingBox(8));
  SettingBox(8).UserSelects(0, static_cast<int>(SettingBox(8).Text().size()));
  SettingBox(8).UserTypes('6');
  EXPECT_TRUE(MonitoringSuspended(8));

  // With monitoring off an edit asks the Object Server nothing.
  window().chkMonitor.UserClicks();
  Type(Nvi(6), "1");
  EXPECT_TRUE(Red(Nvi(6)));
  EXPECT_FALSE(MonitoringSuspended(6));
}

TEST_F(NvBoxesTest, ValuesFromTheDeviceMoveTheCompanionsWithoutMarkingTheBox) {
  // The device changes the setting's function and value: the box shows the device's text as it is.
  DeviceReports(16, "SET_ON 75,0 0,00");
  EXPECT_EQ(Nvi(8).Text(), "SET_ON 75,0 0,00");
  EXPECT_EQ(NviCombo(8).ListIndex(), 0);
  EXPECT_EQ(SettingBox(8).Text(), "75,0");
  DeviceReports(16, "SET_OFF 40,0 0,00");
  EXPECT_EQ(Nvi(8).Text(), "SET_OFF 40,0 0,00");
  EXPECT_EQ(NviCombo(8).ListIndex(), 1);
  EXPECT_EQ(SettingBox(8).Text(), "40,0");
  DeviceReports(11, "SET_OFF 30,0 0,00");
  EXPECT_EQ(Nvi(3).Text(), "SET_OFF 30,0 0,00");
  EXPECT_EQ(NviCombo(3).ListIndex(), 1);
  EXPECT_EQ(SettingBox(3).Text(), "30,0");
  // A switch at a level between on and off shows as on, with its level.
  DeviceReports(4, "50,0 1");
  EXPECT_EQ(Nvi(4).Text(), "50,0 1");
  EXPECT_EQ(NviCombo(4).ListIndex(), 0);

  for (int row : {3, 4, 8}) {
    EXPECT_TRUE(Normal(Nvi(row))) << row;
    EXPECT_TRUE(Normal(NviCombo(row))) << row;
    EXPECT_FALSE(MonitoringSuspended(row)) << row;
  }
  EXPECT_FALSE(ApplyAndCancelEnabled());

  // The unit status shows only its text before the first comma, except where the comma is the decimal
  // separator: it is not cut inside a number. Other outputs show all.
  ui::TextBox& status = window().txtNvo[10];
  status.SetText("HVAC_COOL 12,5 0");
  EXPECT_EQ(status.Text(), "HVAC_COOL 12,5 0");
  window().txtNvo[9].SetText("22,50");
  EXPECT_EQ(window().txtNvo[9].Text(), "22,50");
  EXPECT_TRUE(Normal(status));
}

TEST_F(EditorTest, TheUnitStatusIsCutAtItsFirstCommaWithTheDecimalPoint) {
  Open("Floor 1", "Room 101");
  ui::TextBox& status = window().txtNvo[10];
  status.SetText("HVAC_COOL 12.5 0,1");
  EXPECT_EQ(status.Text(), "HVAC_COOL 12.5 0");
  status.SetText("HVAC_OFF 0");
  EXPECT_EQ(status.Text(), "HVAC_OFF 0");
}

// Each value monitoring delivers has the program's active window drawn anew, whichever it is.
TEST_F(NvBoxesTest, AMonitoredValueRepaintsTheActiveWindow) {
  const int before = window().RawState().repaints;
  DeviceReports(20, "600");
  EXPECT_GT(window().RawState().repaints, before);

  program().fStartbild().Show();
  const int mainBefore = window().RawState().repaints;
  const int splashBefore = program().fStartbild().RawState().repaints;
  DeviceReports(20, "610");
  EXPECT_EQ(window().RawState().repaints, mainBefore);
  EXPECT_GT(program().fStartbild().RawState().repaints, splashBefore);
}

TEST_F(NvBoxesTest, ResetButtonsAndSettingBoxesWriteTheirInputs) {
  // A reset writes the initialisation value: unmarked where the device holds it.
  Edit(Nvi(18), "12");
  window().cmd_Nvi_Reset[18].UserClicks();
  EXPECT_EQ(Nvi(18).Text(), "163,835");
  EXPECT_TRUE(Normal(Nvi(18)));
  Edit(Nvi(16), "20");
  window().cmd_Nvi_Reset[16].UserClicks();
  EXPECT_EQ(Nvi(16).Text(), "327,67");
  EXPECT_FALSE(ApplyAndCancelEnabled());
  // Where the device holds another value the reset is an edit.
  DeviceReports(26, "20,000");
  ASSERT_EQ(Nvi(19).Text(), "20,000");
  window().cmd_Nvi_Reset[19].UserClicks();
  EXPECT_EQ(Nvi(19).Text(), "163,835");
  EXPECT_TRUE(Red(Nvi(19)));
  EXPECT_TRUE(ApplyAndCancelEnabled());

  // Passing through a setting box leaves the input as the device has it, though the combo box does not
  // list its function, and keeps a rotation.
  DeviceReports(17, "SET_NUL 0,0 10,00");
  window().UserMovesFocus(SettingBox(12));
  window().UserMovesFocus(Nvi(13));
  EXPECT_EQ(Nvi(12).Text(), "SET_NUL 0,0 10,00");
  EXPECT_TRUE(Normal(Nvi(12)));
  // A value typed there, or a spin step, keeps that function.
  window().UserMovesFocus(SettingBox(12));
  SettingBox(12).UserTypes('5');
  window().UserMovesFocus(Nvi(13));
  EXPECT_EQ(Nvi(12).Text(), "SET_NUL 50,0 0,00");
  ClickArrow(window().UpD_nvi[12], true);
  EXPECT_EQ(Nvi(12).Text(), "SET_NUL 50,5 0,00");
  EXPECT_TRUE(Red(Nvi(12)));

  // The setting value always shows its decimal; leaving the box writes function, value and rotation 0.
  NviCombo(12).UserSelects(0);
  window().UserMovesFocus(SettingBox(12));
  SettingBox(12).UserSelects(0, static_cast<int>(SettingBox(12).Text().size()));
  SettingBox(12).UserTypes('5');
  SettingBox(12).UserTypes('0');
  EXPECT_EQ(SettingBox(12).Text(), "50,0");
  window().UserMovesFocus(Nvi(13));
  EXPECT_EQ(Nvi(12).Text(), "SET_ON 50,0 0,00");
  EXPECT_TRUE(Red(Nvi(12)) && Red(NviCombo(12)) && Red(SettingBox(12)));
  Erase(SettingBox(12));
  EXPECT_EQ(SettingBox(12).Text(), ",0");
  SettingBox(12).UserTypes('7');
  EXPECT_EQ(SettingBox(12).Text(), "7,0");
}

TEST_F(NvBoxesTest, AnEditThatFailsGetsTheStoredValueBackAndIsLogged) {
  // The network goes away under the window: suspending the input's monitoring fails.
  program().framework.CurrentSystem->Close();
  Type(Nvi(6), "7");
  EXPECT_EQ(Nvi(6).Text(), NviRow(6).NviValue);
  EXPECT_TRUE(Normal(Nvi(6)));
  EXPECT_FALSE(ApplyAndCancelEnabled());
  // The key asks the Object Server nothing; the edit, and resuming the input once its stored value is
  // back, each fail and are logged.
  const std::vector<std::string> errors = ErrorLines();
  ASSERT_EQ(errors.size(), 3u);
  EXPECT_TRUE(IsErrorLineOf(errors[0], " txtNvi_GotFocus")) << errors[0];
  EXPECT_TRUE(IsErrorLineOf(errors[1], " txtNvi_Change(fMain) ")) << errors[1];
  EXPECT_TRUE(IsErrorLineOf(errors[2], " txtNvi_Change(fMain) ")) << errors[2];
}

}  // namespace
}  // namespace editors_test
