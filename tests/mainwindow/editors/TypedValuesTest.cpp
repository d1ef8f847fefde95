// Values the user types into boxes with companion choices: a value of the entry its choice moves to stays
// exactly as typed and is what Apply writes; a text that is no value of its entry gets the entry's own
// text, by one rule for property and input boxes.

#include <string>

#include "DemoMachineFixture.h"
#include "program/Program.h"

namespace editors_test {

using namespace testsupport;
namespace {

constexpr const char* kQuestion = "Transmit parameters to the current Device ?";
constexpr int kExtOccupancyNv = 4;  // nviOsExtOccup, input row 4
constexpr int kApplicModeNv = 25;   // nviApplicMode, input row 20

class TypedValuesTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    Open("Floor 1", "Room 101");  // numbers with the decimal point
  }
  std::string DeviceValue(int row) { return window().GetNciObject(NciRow(row).NciKey)->GetValue(); }
  void ApplyAnsweringYes() {
    boxes().QueueAnswer(ui::vbYes, kQuestion);
    window().cmdApply.UserClicks();
  }
};

TEST_F(TypedValuesTest, AValueOfTheChoicesEntryStaysAsTypedAndApplyWritesIt) {
  // Pasted power-up states keep their level.
  for (int row : {17, 28}) {
    Enter(Nci(row), "SET_ON 75.0 0.00");
    EXPECT_EQ(Nci(row).Text(), "SET_ON 75.0 0.00") << row;
    EXPECT_EQ(Combo(row).ListIndex(), 1) << row;
    EXPECT_TRUE(Red(Nci(row)) && Red(Combo(row))) << row;
  }
  // A switch typed key by key keeps its level at the last key, when the choice moves to on.
  Erase(Nvi(4));
  Type(Nvi(4), "50.0 1");
  EXPECT_EQ(Nvi(4).Text(), "50.0 1");
  EXPECT_EQ(NviCombo(4).ListIndex(), 0);
  // Any contact digit but 0 is a breaking contact.
  Enter(Nci(36), "0 A 0 0");
  EXPECT_EQ(Nci(36).Text(), "0 A 0 0");
  EXPECT_EQ(Combo(36).ListIndex(), 1);
  EXPECT_EQ(Combo(37).ListIndex(), 0);
  Enter(Nci(36), "5 7 0 0");
  EXPECT_EQ(Nci(36).Text(), "5 7 0 0");
  EXPECT_EQ(Combo(36).ListIndex(), 1);
  EXPECT_EQ(Combo(37).ListIndex(), -1) << "no function is digit 5";

  ApplyAnsweringYes();
  EXPECT_EQ(DeviceValue(17), "SET_ON 75.0 0.00");
  EXPECT_EQ(DeviceValue(28), "SET_ON 75.0 0.00");
  EXPECT_EQ(DeviceValue(36), "5 7 0 0");
  EXPECT_EQ(NvValue(*program().framework.CurrentDevice, kExtOccupancyNv), "50.0 1");
  EXPECT_FALSE(ApplyAndCancelEnabled());
}

// "HVAC_HEAT 1 2" stands for the mode HVAC_HEAT without being one: property box and input box alike get
// the entry's text, also where the choice already shows that entry; so does a level with the comma where
// the point is the separator.
TEST_F(TypedValuesTest, ATextThatIsNoValueOfItsEntryGetsTheEntrysOwnTextInPropertyAndInputBoxes) {
  for (int pass = 0; pass < 2; ++pass) {
    Enter(Nci(54), "HVAC_HEAT 1 2");
    EXPECT_EQ(Nci(54).Text(), "HVAC_HEAT") << pass;
    EXPECT_EQ(Combo(54).ListIndex(), 1) << pass;
    Enter(Nvi(20), "HVAC_HEAT 1 2");
    EXPECT_EQ(Nvi(20).Text(), "HVAC_HEAT") << pass;
    EXPECT_EQ(NviCombo(20).ListIndex(), 1) << pass;
    EXPECT_EQ(NviCombo(20).Text(), "HVAC_HEAT") << pass;
  }
  Enter(Nvi(4), "0,0 0");
  EXPECT_EQ(Nvi(4).Text(), "0.0 0");
  EXPECT_EQ(NviCombo(4).ListIndex(), 1);

  ApplyAnsweringYes();
  EXPECT_EQ(boxes().Shown().size(), 1u) << "the question alone: nothing refused";
  EXPECT_EQ(DeviceValue(54), "HVAC_HEAT");
  EXPECT_EQ(NvValue(*program().framework.CurrentDevice, kApplicModeNv), "HVAC_HEAT");
  EXPECT_EQ(NvValue(*program().framework.CurrentDevice, kExtOccupancyNv), "0.0 0");
}

// SET_UP and SET_DOWN are power-up states too, but neither entry: read from the device or typed, the
// choice shows no entry beside them, and Apply writes the text that the box shows.
TEST_F(TypedValuesTest, APowerUpStateOfAnotherFunctionShowsNoEntry) {
  window().GetNciObject(NciRow(17).NciKey)->PutValue("SET_DOWN 40.0 0.00");
  Open("Floor 1", "Room 101");
  ASSERT_EQ(Nci(17).Text(), "SET_DOWN 40.0 0.00");
  EXPECT_EQ(Combo(17).ListIndex(), -1);
  EXPECT_EQ(Combo(28).ListIndex(), 0) << "SET_OFF, as read";

  Enter(Nci(28), "SET_UP 60.0 0.00");
  EXPECT_EQ(Nci(28).Text(), "SET_UP 60.0 0.00");
  EXPECT_EQ(Combo(28).ListIndex(), -1);
  EXPECT_TRUE(Red(Nci(28)) && Red(Combo(28)));
  ApplyAnsweringYes();
  EXPECT_EQ(DeviceValue(28), "SET_UP 60.0 0.00");
  EXPECT_EQ(Combo(28).ListIndex(), -1) << "the value read back";
}

}  // namespace
}  // namespace editors_test
