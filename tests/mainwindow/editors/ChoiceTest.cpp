// Choices in the companion combo boxes write their value texts into the boxes they serve: single bits
// and hex digits of property texts, settings, switches and names, with the user's decimal separator.

#include <gtest/gtest.h>

#include "DemoMachineFixture.h"

namespace editors_test {

using namespace testsupport;
namespace {

class ChoiceTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    Open("Floor 1", "Room 101");  // numbers with the decimal point
  }
};

constexpr const char* kNoBits = "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0";

TEST_F(ChoiceTest, PropertyChoicesReplaceTheirBitsDigitsAndTexts) {
  ASSERT_EQ(Nci(19).Text(), kNoBits);
  // The override bit (bit 1) of the first light controller: the third character, nothing else.
  Combo(0).UserSelects(1);
  EXPECT_EQ(Nci(19).Text(), "0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0");
  EXPECT_TRUE(Red(Nci(19)));
  EXPECT_TRUE(Normal(Combo(0)));
  EXPECT_TRUE(ApplyAndCancelEnabled());

  // The controller's mode: bits 14 and 15 (the last two digits), and bit 0 for the closed-loop modes;
  // the on/off modes keep bit 0.
  Combo(19).UserSelects(1);
  EXPECT_EQ(Nci(19).Text(), "1 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0");
  Combo(19).UserSelects(2);
  EXPECT_EQ(Nci(19).Text(), "1 1 0 0 0 0 0 0 0 0 0 0 0 0 0 1");
  Combo(19).UserSelects(3);
  EXPECT_EQ(Nci(19).Text(), "1 1 0 0 0 0 0 0 0 0 0 0 0 0 1 0");
  Combo(19).UserSelects(0);
  EXPECT_EQ(Nci(19).Text(), "0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0");

  Combo(6).UserSelects(1);
  EXPECT_EQ(Nci(6).Text(), "1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0");

  // The digital input: its function in hex digit 0, its contact in digit 1.
  Combo(37).UserSelects(2);
  EXPECT_EQ(Nci(36).Text(), "2 0 0 0");
  Combo(36).UserSelects(1);
  EXPECT_EQ(Nci(36).Text(), "2 1 0 0");

  Combo(17).UserSelects(1);
  EXPECT_EQ(Nci(17).Text(), "SET_ON 0.0 0.00");
  Combo(17).UserSelects(0);
  EXPECT_EQ(Nci(17).Text(), "SET_OFF 0.0 0.00");
  EXPECT_TRUE(Normal(Nci(17)));  // the device's value again

  Combo(50).UserSelects(0);
  EXPECT_EQ(Nci(50).Text(), "1");
  Combo(54).UserSelects(2);
  EXPECT_EQ(Nci(54).Text(), "HVAC_COOL");
}

TEST_F(ChoiceTest, InputChoicesWriteTheirValueTexts) {
  NviCombo(1).UserSelects(2);
  EXPECT_EQ(Nvi(1).Text(), "OC_UNOCCUPIED");
  NviCombo(3).UserSelects(1);
  EXPECT_EQ(Nvi(3).Text(), "SET_OFF 0.0 0.00");
  NviCombo(4).UserSelects(1);
  EXPECT_EQ(Nvi(4).Text(), "0.0 0");
  NviCombo(4).UserSelects(0);
  EXPECT_EQ(Nvi(4).Text(), "100.0 1");
  NviCombo(20).UserSelects(3);
  EXPECT_EQ(Nvi(20).Text(), "HVAC_OFF");
  for (int row : {1, 3, 4, 20}) EXPECT_TRUE(Red(Nvi(row)) && Red(NviCombo(row))) << row;

  // A light controller's function keeps the setting value of its setting box.
  Edit(SettingBox(8), "75");
  EXPECT_EQ(SettingBox(8).Text(), "75.0");
  NviCombo(8).UserSelects(2);
  EXPECT_EQ(Nvi(8).Text(), "SET_UP 75.0 0.00");
  EXPECT_TRUE(Red(Nvi(8)) && Red(NviCombo(8)) && Red(SettingBox(8)));

  // A choice made while the window is hidden is written all the same.
  window().Hide();
  NviCombo(20).SetListIndex(1);
  EXPECT_EQ(Nvi(20).Text(), "HVAC_HEAT");
  Combo(54).SetListIndex(3);
  EXPECT_EQ(Nci(54).Text(), "HVAC_OFF");
}

// The device's own values name neither entry (a switch in state -1, the setting SET_NUL); the user's
// first choice writes its value all the same.
TEST_F(ChoiceTest, AChoiceWritesItsValueWhereTheInputNamesNoEntry) {
  ASSERT_EQ(Nvi(3).Text(), "SET_NUL 0.0 0.00");
  ASSERT_EQ(Nvi(4).Text(), "0.0 -1");
  NviCombo(3).UserSelects(0);
  EXPECT_EQ(Nvi(3).Text(), "SET_ON 0.0 0.00");
  NviCombo(4).UserSelects(0);
  EXPECT_EQ(Nvi(4).Text(), "100.0 1");
  for (int row : {3, 4}) EXPECT_TRUE(Red(Nvi(row)) && Red(NviCombo(row))) << row;
  EXPECT_TRUE(ApplyAndCancelEnabled());
}

}  // namespace
}  // namespace editors_test
