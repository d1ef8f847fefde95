// The spin buttons: one step per click within the bounds, the step of each kind of number, the regional
// number format, and the 250 ms auto-repeat while a mouse button is held.

#include <gtest/gtest.h>

#include "DemoMachineFixture.h"
#include "mainwindow/device/fStartbild.h"
#include "program/Program.h"

namespace editors_test {

using namespace testsupport;
namespace {

class SpinButtonsTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    UseDecimalSeparator(",");
    Open("Floor 1", "Room 101");
  }
  ui::UpDown& Spin(int box) { return window().UpD_nci[box]; }
};

struct StepCase {
  int box;
  const char* holds;
  bool up;
  const char* after;
};

TEST_F(SpinButtonsTest, AStepStopsAtTheBoundInItsDirection) {
  const StepCase cases[] = {
      {70, "34,9", true, "35"},   {70, "35", true, "35"},       {70, "10,05", false, "10"},
      {2, "6499", true, "6500"},  {2, "6500", true, "6500"},    {2, "7000", true, "6500"},
      {2, "7000", false, "6999"}, {70, "5", true, "5,1"},       {70, "5", false, "10"},
      {2, "5,5", true, "6,5"},    {51, "-19,95", false, "-20"}, {51, "-0,1", true, "0"},
      {51, "0,3", false, "0,2"},  {81, "0", true, "1"},         {81, "1", true, "1"},
      {10, "20", true, "20,5"},   {10, "19,5", true, "20"},     {37, "9,95", true, "10"},
      {53, "0", false, "0"},      {91, "500", true, "501"},
  };
  for (const StepCase& step : cases) {
    SCOPED_TRACE(std::to_string(step.box) + " holding " + step.holds + (step.up ? " up" : " down"));
    Nci(step.box).SetText(step.holds);
    ClickArrow(Spin(step.box), step.up);
    EXPECT_EQ(Nci(step.box).Text(), step.after);
  }
  // The step is an edit like any other: the composite row follows and is marked.
  EXPECT_EQ(Nci(21).Text(), "501/100");
  EXPECT_TRUE(Red(Nci(91)) && Red(Nci(21)));
  EXPECT_TRUE(ApplyAndCancelEnabled());
}

TEST_F(SpinButtonsTest, HoldingAnArrowRepeatsEvery250MillisecondsUntilReleased) {
  ui::UpDown& spin = Spin(2);
  const float x = spin.Width() / 2;
  Nci(2).SetText("100");
  spin.UserMouseDown(ui::vbLeftButton, 0, x, UpperHalf(spin));
  EXPECT_EQ(Nci(2).Text(), "101");  // the click
  Advance(249);
  EXPECT_EQ(Nci(2).Text(), "101");
  Advance(1);
  EXPECT_EQ(Nci(2).Text(), "102");
  Advance(500);
  EXPECT_EQ(Nci(2).Text(), "104");
  // Left of or above the control the repeat goes on; below it, it stops and does not start again.
  spin.UserMouseMove(ui::vbLeftButton, 0, -1000, -1000);
  Advance(250);
  EXPECT_EQ(Nci(2).Text(), "105");
  spin.UserMouseMove(ui::vbLeftButton, 0, x, spin.Height() * 1.3F);
  Advance(500);
  spin.UserMouseMove(ui::vbLeftButton, 0, x, UpperHalf(spin));
  Advance(500);
  EXPECT_EQ(Nci(2).Text(), "105");
  spin.UserMouseUp(ui::vbLeftButton, 0, x, UpperHalf(spin));

  // Exactly half way down is the lower half; at the bound the repeat keeps writing the bound.
  Nci(2).SetText("1");
  spin.UserMouseDown(ui::vbLeftButton, 0, x, spin.Height() / 2);
  Advance(750);
  EXPECT_EQ(Nci(2).Text(), "0");
  spin.UserMouseUp(ui::vbLeftButton, 0, x, spin.Height() / 2);

  // Beyond the right edge stops it as well.
  spin.UserMouseDown(ui::vbLeftButton, 0, x, UpperHalf(spin));
  spin.UserMouseMove(ui::vbLeftButton, 0, spin.Width() * 1.3F, UpperHalf(spin));
  Advance(500);
  EXPECT_EQ(Nci(2).Text(), "1");
  spin.UserMouseUp(ui::vbLeftButton, 0, spin.Width() * 1.3F, UpperHalf(spin));

  // The right button makes no click step, but holding it repeats; releasing stops the repeat.
  spin.UserMouseDown(ui::vbRightButton, 0, x, UpperHalf(spin));
  EXPECT_EQ(Nci(2).Text(), "1");
  Advance(250);
  EXPECT_EQ(Nci(2).Text(), "2");
  spin.UserMouseUp(ui::vbRightButton, 0, x, UpperHalf(spin));
  Advance(1000);
  EXPECT_EQ(Nci(2).Text(), "2");
}

// A mouse-up can get lost (a window pops up over the pressed button): the repeat then stops at the next
// press of either family, or as soon as the window is hidden or no longer active.
TEST_F(SpinButtonsTest, ARepeatWhoseReleaseIsLostStops) {
  ui::UpDown& spin = Spin(12);
  ui::UpDown& settingSpin = window().UpD_nvi[12];
  Nci(12).SetText("100");
  SettingBox(12).SetText("50");
  spin.UserMouseDown(ui::vbLeftButton, 0, spin.Width() / 2, UpperHalf(spin));
  ClickArrow(settingSpin, true);
  Advance(1000);
  EXPECT_EQ(Nci(12).Text(), "101");
  EXPECT_EQ(SettingBox(12).Text(), "50,5");

  // The other way round: the setting's repeat must not step setting box 12 after a press on UpD_nci(12).
  settingSpin.UserMouseDown(ui::vbLeftButton, 0, settingSpin.Width() / 2, UpperHalf(settingSpin));
  ClickArrow(spin, false);
  Advance(1000);
  EXPECT_EQ(SettingBox(12).Text(), "51,0");
  EXPECT_EQ(Nci(12).Text(), "100");

  spin.UserMouseDown(ui::vbLeftButton, 0, spin.Width() / 2, UpperHalf(spin));
  Advance(250);
  EXPECT_EQ(Nci(12).Text(), "102");
  program().fStartbild().Show();
  Advance(1000);
  EXPECT_EQ(Nci(12).Text(), "102");
  program().fStartbild().Hide();
  window().Show();

  settingSpin.UserMouseDown(ui::vbLeftButton, 0, settingSpin.Width() / 2, UpperHalf(settingSpin));
  window().Hide();
  Advance(1000);
  EXPECT_EQ(SettingBox(12).Text(), "51,5");
  EXPECT_FALSE(window().Timer.Enabled() || window().Timer2.Enabled());
}

TEST_F(SpinButtonsTest, ASettingSpinStepsTheSettingValueAndRewritesTheInput) {
  ui::UpDown& spin = window().UpD_nvi[8];
  NviCombo(8).UserSelects(0);  // SET_ON
  SettingBox(8).SetText("99,5");
  ClickArrow(spin, true);
  EXPECT_EQ(SettingBox(8).Text(), "100,0");
  EXPECT_EQ(Nvi(8).Text(), "SET_ON 100,0 0,00");
  EXPECT_TRUE(Red(Nvi(8)));
  ClickArrow(spin, true);
  EXPECT_EQ(SettingBox(8).Text(), "100,0");
  EXPECT_EQ(Nvi(8).Text(), "SET_ON 100,0 0,00");

  // Held down on the lower arrow, Timer2 repeats.
  spin.UserMouseDown(ui::vbLeftButton, 0, spin.Width() / 2, LowerHalf(spin));
  EXPECT_EQ(SettingBox(8).Text(), "99,5");
  Advance(250);
  EXPECT_EQ(SettingBox(8).Text(), "99,0");
  EXPECT_EQ(Nvi(8).Text(), "SET_ON 99,0 0,00");
  spin.UserMouseUp(ui::vbLeftButton, 0, spin.Width() / 2, LowerHalf(spin));
  Advance(500);
  EXPECT_EQ(SettingBox(8).Text(), "99,0");

  // A setting value that is no number is not stepped, and the input stays as it was.
  SettingBox(8).SetText("abc");
  ASSERT_EQ(SettingBox(8).Text(), "abc,0");
  ClickArrow(spin, true);
  EXPECT_EQ(SettingBox(8).Text(), "abc,0");
  EXPECT_EQ(Nvi(8).Text(), "SET_ON 99,0 0,00");
  EXPECT_TRUE(ErrorLines().empty());
}

}  // namespace
}  // namespace editors_test
