// The value boxes' key filters as the user types: keys dropped or passed by the kind of number, Enter
// moving on or to Apply, the bounds of a property box applied when it is left, and monitoring suspended
// only by keys that edit an input.

#include <gtest/gtest.h>

#include <utility>

#include "DemoMachineFixture.h"
#include "program/Program.h"

namespace editors_test {

using namespace testsupport;
namespace {

class KeyFilterTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    UseDecimalSeparator(",");
    Open("Floor 1", "Room 101");
  }
};

TEST_F(KeyFilterTest, PropertyBoxesTakeOnlyTheKeysOfTheirNumbers) {
  // A whole number: digits and Backspace.
  Edit(Nci(3), "5");
  Type(Nci(3), "1,.-a2\b7");
  EXPECT_EQ(Nci(3).Text(), "517");
  // Enter is dropped and goes to the device-selection button.
  Type(Nci(3), "\r");
  EXPECT_EQ(Nci(3).Text(), "517");
  EXPECT_EQ(Focused(), &window().cmdGerAuswahl);

  // Halves and tenths take the comma, not the full stop; only the temperature offset takes a sign.
  Edit(Nci(10), "3");
  Type(Nci(10), ".,5-");
  EXPECT_EQ(Nci(10).Text(), "3,5");
  Edit(Nci(51), "2");
  Type(Nci(51), ".,5");
  EXPECT_EQ(Nci(51).Text(), "2,5");
  Nci(51).UserSelects(0, 0);
  Nci(51).UserTypes('-');
  EXPECT_EQ(Nci(51).Text(), "-2,5");

  // A separator of another kind has no key: neither comma nor full stop passes.
  program().model.DecimalSep = ";";
  Edit(Nci(51), "4");
  Type(Nci(51), ",.;");
  EXPECT_EQ(Nci(51).Text(), "4");
}

TEST_F(KeyFilterTest, LeavingAPropertyBoxPullsItIntoTheBoundsOfItsSpinButton) {
  const std::pair<int, const char*> cases[][2] = {
      {{2, "9999"}, {2, "6500"}}, {{70, "5"}, {70, "10"}},    {{51, "-25"}, {51, "-20"}},
      {{70, "35,5"}, {70, "35"}}, {{2, "6500"}, {2, "6500"}}, {{7, "1000"}, {7, "1000"}},
      {{0, "abc"}, {0, "abc"}},  // no spin button: no bounds
  };
  for (const auto& [typed, left] : cases) {
    SCOPED_TRACE(std::to_string(typed.first) + " holding " + typed.second);
    Edit(Nci(typed.first), typed.second);
    window().UserMovesFocus(window().cmdGerAuswahl);
    EXPECT_EQ(Nci(typed.first).Text(), left.second);
  }
  // The bound is an edit: the set points follow their part.
  EXPECT_EQ(Nci(49).Text(), "35.00,25.00,28.00,21.00,19.00,16.00");
}

TEST_F(KeyFilterTest, InputBoxesTakeTheCharactersOfNumbersAndEnterGoesToApplyOrOn) {
  // A switch's text: digits, the comma, blank and minus pass; letters and the full stop do not.
  Edit(Nvi(5), "");
  Type(Nvi(5), "0x,.0 -1");
  EXPECT_EQ(Nvi(5).Text(), "0,0 -1");
  // Enter in a changed box goes to Apply and leaves the text.
  Type(Nvi(5), "\r");
  EXPECT_EQ(Focused(), &window().cmdApply);
  EXPECT_EQ(Nvi(5).Text(), "0,0 -1");
  // Enter in an unchanged box moves on, as Tab would.
  Edit(Nvi(5), NviRow(5).NviValue);
  Type(Nvi(5), "\r");
  EXPECT_NE(Focused(), &Nvi(5));
  EXPECT_NE(Focused(), &window().cmdApply);

  // Only a key that reaches the box suspends the input's monitoring.
  Type(Nvi(9), "\r");
  Type(Nvi(9), "x");
  EXPECT_EQ(Nvi(9).Text(), NviRow(9).NviValue);
  EXPECT_FALSE(MonitoringSuspended(9));
  Type(Nvi(9), "1");
  EXPECT_TRUE(MonitoringSuspended(9));
}

TEST_F(KeyFilterTest, ASettingBoxTakesEveryKeyButEnter) {
  DeviceReports(16, "SET_ON 0,0 0,00");
  ASSERT_EQ(SettingBox(8).Text(), "0,0");
  // The setting as it stands is the device's: Enter stays in the box, and nothing is suspended.
  Type(SettingBox(8), "\r");
  EXPECT_EQ(Focused(), &SettingBox(8));
  EXPECT_TRUE(Normal(SettingBox(8)));
  EXPECT_FALSE(MonitoringSuspended(8));

  Type(SettingBox(8), "x");
  EXPECT_EQ(SettingBox(8).Text(), "0,0x");
  EXPECT_TRUE(MonitoringSuspended(8));
  // Marked from the next key on; Enter then goes to Apply without reaching the box.
  Type(SettingBox(8), "\r");
  EXPECT_TRUE(Red(SettingBox(8)));
  EXPECT_EQ(Focused(), &window().cmdApply);
  EXPECT_EQ(SettingBox(8).Text(), "0,0x");
  EXPECT_EQ(Nvi(8).Text(), "SET_ON 0,0x 0,00");
  EXPECT_TRUE(ApplyAndCancelEnabled());
}

}  // namespace
}  // namespace editors_test
