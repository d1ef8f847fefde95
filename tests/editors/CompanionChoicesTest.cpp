// The companion combo boxes of a property row follow the row's text whenever it changes, and share its
// change mark.

#include <string>

#include "DemoMachineFixture.h"

namespace editors_test {

using namespace testsupport;
namespace {

TEST_F(EditorTest, NamedChoicesFollowTheirRow) {
  Open("Floor 1", "Room 101");
  ASSERT_EQ(NciRow(54).NciValue, "HVAC_AUTO");
  Enter(Nci(54), "HVAC_COOL");
  EXPECT_EQ(Combo(54).ListIndex(), 2);
  EXPECT_TRUE(Red(Nci(54)));
  EXPECT_TRUE(Red(Combo(54)));
  // The first word counts, exactly as written.
  Enter(Nci(54), "hvac_heat");
  EXPECT_EQ(Combo(54).ListIndex(), 2);
  EXPECT_TRUE(Red(Combo(54)));
  Enter(Nci(54), "HVAC_HEAT 1");
  EXPECT_EQ(Combo(54).ListIndex(), 1);
  EXPECT_TRUE(Red(Nci(54)));
  Enter(Nci(54), "HVAC_AUTO");
  EXPECT_EQ(Combo(54).ListIndex(), 0);
  EXPECT_TRUE(Normal(Nci(54)));
  EXPECT_TRUE(Normal(Combo(54)));
  EXPECT_FALSE(ApplyAndCancelEnabled());

  ASSERT_EQ(NciRow(50).NciValue, "2");
  Enter(Nci(50), "1");
  EXPECT_EQ(Combo(50).ListIndex(), 0);
  EXPECT_TRUE(Red(Combo(50)));
  Enter(Nci(50), " 2");
  EXPECT_EQ(Combo(50).ListIndex(), 0);
  Enter(Nci(50), "2");
  EXPECT_EQ(Combo(50).ListIndex(), 1);
  EXPECT_TRUE(Normal(Nci(50)));
  EXPECT_TRUE(Normal(Combo(50)));

  // The power-up state is on for the first word "SET_ON" alone.
  ASSERT_EQ(NciRow(17).NciValue, "SET_OFF 0.0 0.00");
  Enter(Nci(17), "SET_OFF 50.0 0.00");
  EXPECT_EQ(Combo(17).ListIndex(), 0);
  EXPECT_TRUE(Red(Nci(17)));
  EXPECT_TRUE(Red(Combo(17)));
  Enter(Nci(17), "");
  EXPECT_EQ(Combo(17).ListIndex(), 0);
  Enter(Nci(17), "SET_ON 100.0 0.00");
  EXPECT_EQ(Combo(17).ListIndex(), 1);
  EXPECT_TRUE(Red(Combo(17)));
  EXPECT_EQ(Combo(28).ListIndex(), 0);  // the other controller's is its own

  Enter(Nci(28), "SET_ON 100.0 0.00");
  EXPECT_EQ(Combo(28).ListIndex(), 1);
  Enter(Nci(28), "set_on 100.0 0.00");
  EXPECT_EQ(Combo(28).ListIndex(), 0);

  for (int row : {17, 28}) {
    Enter(Nci(row), NciRow(row).NciValue);
    EXPECT_EQ(Combo(row).ListIndex(), 0);
    EXPECT_TRUE(Normal(Nci(row)));
    EXPECT_TRUE(Normal(Combo(row)));
  }
  EXPECT_FALSE(ApplyAndCancelEnabled());
}

TEST_F(EditorTest, BitFieldChoicesFollowTheirBits) {
  Open("Floor 1", "Room 101");
  // The occupancy sensor's bit 0.
  Enter(Nci(6), Bits({0}));
  EXPECT_EQ(Combo(6).ListIndex(), 1);
  EXPECT_TRUE(Red(Combo(6)));
  Enter(Nci(6), "x" + Bits({}).substr(1));
  EXPECT_EQ(Combo(6).ListIndex(), 1);
  Enter(Nci(6), Bits({}));
  EXPECT_EQ(Combo(6).ListIndex(), 0);
  EXPECT_TRUE(Normal(Combo(6)));

  // The light controllers: the mode from bits 14, 15 and 0, the override from bit 1.
  struct Controller {
    int row;
    int overrideCombo;
  };
  for (const Controller c : {Controller{19, 0}, Controller{30, 1}}) {
    SCOPED_TRACE(c.row);
    Enter(Nci(c.row), Bits({0}));
    EXPECT_EQ(Combo(c.row).ListIndex(), 1);
    EXPECT_EQ(Combo(c.overrideCombo).ListIndex(), 0);
    EXPECT_TRUE(Red(Nci(c.row)));
    EXPECT_TRUE(Red(Combo(c.row)));
    Enter(Nci(c.row), Bits({15}));
    EXPECT_EQ(Combo(c.row).ListIndex(), 2);
    Enter(Nci(c.row), Bits({15, 0}));
    EXPECT_EQ(Combo(c.row).ListIndex(), 2);
    Enter(Nci(c.row), Bits({14}));
    EXPECT_EQ(Combo(c.row).ListIndex(), 3);
    // A start bit other than 0 or 1 is no mode either.
    Enter(Nci(c.row), "x" + Bits({}).substr(1));
    EXPECT_EQ(Combo(c.row).ListIndex(), 3);
    // Both set is no mode: the mode stays, the override still follows.
    Enter(Nci(c.row), Bits({14, 15, 1}));
    EXPECT_EQ(Combo(c.row).ListIndex(), 3);
    EXPECT_EQ(Combo(c.overrideCombo).ListIndex(), 1);
    EXPECT_TRUE(Normal(Combo(c.overrideCombo)));  // it never shares the mark

    Enter(Nci(c.row), Bits({}));
    EXPECT_EQ(Combo(c.row).ListIndex(), 0);
    EXPECT_EQ(Combo(c.overrideCombo).ListIndex(), 0);
    EXPECT_TRUE(Normal(Nci(c.row)));
    EXPECT_TRUE(Normal(Combo(c.row)));
  }
  EXPECT_FALSE(ApplyAndCancelEnabled());

  // A text too short to hold bit 1 gets the device's value back.
  Enter(Nci(19), "0 ");
  EXPECT_EQ(Nci(19).Text(), NciRow(19).NciValue);
  EXPECT_TRUE(Normal(Nci(19)));
}

TEST_F(EditorTest, DigitalInputChoicesFollowItsHexDigits) {
  Open("Floor 1", "Room 101");
  ASSERT_EQ(NciRow(36).NciValue, "0 0 0 0");
  Enter(Nci(36), "2 0 0 0");
  EXPECT_EQ(Combo(37).ListIndex(), 2);
  EXPECT_EQ(Combo(36).ListIndex(), 0);
  for (const ui::Control* marked :
       {static_cast<ui::Control*>(&Nci(36)), static_cast<ui::Control*>(&Combo(36)),
        static_cast<ui::Control*>(&Combo(37))}) {
    EXPECT_TRUE(Red(*marked)) << marked->DisplayName();
  }
  // Functions 0 to 3 only; a character that is no hex digit reads as 0.
  Enter(Nci(36), "4 0 0 0");
  EXPECT_EQ(Combo(37).ListIndex(), 2);
  Enter(Nci(36), "B 0 0 0");
  EXPECT_EQ(Combo(37).ListIndex(), 2);
  Enter(Nci(36), "3 5 0 0");
  EXPECT_EQ(Combo(37).ListIndex(), 3);
  EXPECT_EQ(Combo(36).ListIndex(), 1);
  Enter(Nci(36), "z 0 0 0");
  EXPECT_EQ(Combo(37).ListIndex(), 0);
  EXPECT_EQ(Combo(36).ListIndex(), 0);

  Enter(Nci(36), "0 0 0 0");
  EXPECT_TRUE(Normal(Nci(36)));
  EXPECT_TRUE(Normal(Combo(36)));
  EXPECT_TRUE(Normal(Combo(37)));
  EXPECT_FALSE(ApplyAndCancelEnabled());
}

}  // namespace
}  // namespace editors_test
