// What the program writes into the value boxes (Cancel, a device read, a value the combo lists lack)
// keeps its value and its mark: companion combos follow such a write without rewriting the value, a
// value without a listed choice stands, and a new device's values are never marked. A user's edit that
// is no value of the entry it moves its choice to gets that entry's text.

#include <string>

#include "DemoMachineFixture.h"

namespace editors_test {

using namespace testsupport;
namespace {

TEST_F(EditorTest, CompanionsFollowingAWriteLeaveItsValue) {
  Open("Floor 1", "Room 101");
  // A power-up level beyond what the combo tells (on or off) is a value of the entry the edit moves the
  // choice to: it stays.
  Enter(Nci(17), "SET_ON 50.0 0.00");
  EXPECT_EQ(Combo(17).ListIndex(), 1);
  EXPECT_EQ(Nci(17).Text(), "SET_ON 50.0 0.00");
  EXPECT_TRUE(Red(Nci(17)));
  // A user's choice still writes the choice's text.
  Combo(17).UserSelects(0);
  EXPECT_EQ(Nci(17).Text(), "SET_OFF 0.0 0.00");

  // Cancel brings back what the combos do not list: the switch "0.0 -1", the setting's SET_NUL.
  ASSERT_EQ(NviRow(4).NviValue, "0.0 -1");
  ASSERT_EQ(NviRow(8).NviValue, "SET_NUL 0.0 0.00");
  NviCombo(4).UserSelects(1);
  NviCombo(8).UserSelects(2);
  Combo(54).UserSelects(2);
  ASSERT_EQ(Nvi(4).Text(), "0.0 0");
  window().cmdCancel.UserClicks();
  EXPECT_EQ(Nvi(4).Text(), "0.0 -1");
  EXPECT_EQ(Nvi(8).Text(), "SET_NUL 0.0 0.00");
  EXPECT_EQ(Nci(17).Text(), NciRow(17).NciValue);
  EXPECT_EQ(Nci(54).Text(), NciRow(54).NciValue);
  for (ui::TextBox* box : {&Nvi(4), &Nvi(8), &Nci(17), &Nci(54)})
    EXPECT_TRUE(Normal(*box)) << box->DisplayName();
  EXPECT_FALSE(ApplyAndCancelEnabled());
}

// Without a registered language the lists that the language fills are empty; the values are still
// edited and marked.
TEST_F(EditorTest, ValuesWithoutAListedChoiceStandAndAreMarked) {
  Open("Floor 1", "Room 101");
  for (int combo : {19, 36, 37, 54}) Combo(combo).Clear();

  Enter(Nci(19), Bits({15, 1}));
  EXPECT_EQ(Nci(19).Text(), Bits({15, 1}));
  EXPECT_EQ(Combo(19).ListIndex(), -1);
  EXPECT_EQ(Combo(0).ListIndex(), 1);  // its design list is there
  EXPECT_TRUE(Red(Nci(19)));
  Enter(Nci(36), "2 1 0 0");
  EXPECT_EQ(Nci(36).Text(), "2 1 0 0");
  EXPECT_TRUE(Red(Nci(36)));
  Enter(Nci(54), "HVAC_COOL");
  EXPECT_EQ(Nci(54).Text(), "HVAC_COOL");
  EXPECT_TRUE(Red(Nci(54)));
  EXPECT_TRUE(ApplyAndCancelEnabled());
}

// The window is hidden between two devices; the second device's values carry no mark of the first.
TEST_F(EditorTest, ANewDevicesValuesAreUnmarked) {
  Open("Floor 1", "Room 101");
  Enter(Nci(12), "301");
  Enter(Nci(54), "HVAC_COOL");
  NviCombo(3).UserSelects(1);
  ASSERT_TRUE(ApplyAndCancelEnabled());
  window().Hide();

  Command(DemoDevice("Floor 1", "Room 102"));
  window().Show();
  for (ui::Control* control :
       std::initializer_list<ui::Control*>{&Nci(12), &Nci(54), &Combo(54), &Nvi(3), &NviCombo(3)}) {
    EXPECT_TRUE(Normal(*control)) << control->DisplayName();
  }
  EXPECT_FALSE(ApplyAndCancelEnabled());
}

}  // namespace
}  // namespace editors_test
