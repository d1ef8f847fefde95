// The companion combo boxes of a property row follow the row's text whenever it changes, and share its
// change mark.

#include <string>
#include <vector>

#include "DemoMachineFixture.h"

namespace editors_test {

using namespace testsupport;
namespace {

// The user enters `text` in property box `row`; companion `combo` then shows `index`, marked as `red`.
struct Entry {
  int row;
  std::string text;
  int combo;
  int index;
  bool red;
};

class CompanionChoicesTest : public EditorTest {
 protected:
  void Expect(const std::vector<Entry>& entries) {
    for (const Entry& entry : entries) {
      Enter(Nci(entry.row), entry.text);
      EXPECT_EQ(Combo(entry.combo).ListIndex(), entry.index) << entry.row << " " << entry.text;
      EXPECT_EQ(Red(Combo(entry.combo)), entry.red) << entry.row << " " << entry.text;
      EXPECT_EQ(Red(Nci(entry.row)), entry.red) << entry.row << " " << entry.text;
    }
    EXPECT_FALSE(ApplyAndCancelEnabled()) << "each list ends with the device's value";
  }
};

TEST_F(CompanionChoicesTest, NamedChoicesFollowTheFirstWordAsTheDeviceReadsIt) {
  Open("Floor 1", "Room 101");
  ASSERT_EQ(NciRow(54).NciValue, "HVAC_AUTO");
  ASSERT_EQ(NciRow(50).NciValue, "2");
  ASSERT_EQ(NciRow(17).NciValue, "SET_OFF 0.0 0.00");
  Expect({{54, "HVAC_COOL", 54, 2, true},
          {54, "hvac_heat", 54, -1, true},
          {54, "HVAC_HEAT 1", 54, 1, true},
          {54, "HVAC_AUTO", 54, 0, false},
          {50, "1", 50, 0, true},
          {50, " 2", 50, 1, true},  // the device reads 2
          {50, "2", 50, 1, false},
          // The power-up state is on for the first word "SET_ON", off for "SET_OFF", and neither for another
          // word; each controller has its own.
          {17, "SET_OFF 50.0 0.00", 17, 0, true},
          {17, "", 17, -1, true},
          {17, "SET_ON 100.0 0.00", 17, 1, true},
          {28, "SET_ON 100.0 0.00", 28, 1, true},
          {28, "set_on 100.0 0.00", 28, -1, true},
          {17, "SET_OFF 0.0 0.00", 17, 0, false},
          {28, NciRow(28).NciValue, 28, 0, false}});
}

TEST_F(CompanionChoicesTest, BitFieldChoicesFollowTheirBits) {
  Open("Floor 1", "Room 101");
  const std::string noStartBit = "x" + Bits({}).substr(1);
  // The occupancy sensor's bit 0; the light controllers' mode from bits 14, 15 and 0 (both of 14 and 15,
  // or a start bit other than 0 or 1, is no mode: the combo shows none).
  std::vector<Entry> entries = {
      {6, Bits({0}), 6, 1, true}, {6, noStartBit, 6, -1, true}, {6, Bits({}), 6, 0, false}};
  for (int row : {19, 30}) {
    entries.insert(entries.end(), {{row, Bits({0}), row, 1, true},
                                   {row, Bits({15}), row, 2, true},
                                   {row, Bits({15, 0}), row, 2, true},
                                   {row, Bits({14}), row, 3, true},
                                   {row, noStartBit, row, -1, true},
                                   {row, Bits({14, 15, 1}), row, -1, true},
                                   {row, Bits({}), row, 0, false}});
  }
  Expect(entries);

  // The override follows bit 1 of its controller and never shares the mark.
  for (const auto& [row, overrideCombo] : {std::pair{19, 0}, std::pair{30, 1}}) {
    Enter(Nci(row), Bits({14, 15, 1}));
    EXPECT_EQ(Combo(overrideCombo).ListIndex(), 1) << row;
    EXPECT_FALSE(Red(Combo(overrideCombo))) << row;
    Enter(Nci(row), Bits({}));
    EXPECT_EQ(Combo(overrideCombo).ListIndex(), 0) << row;
  }

  // A text too short to hold bit 1 gets the device's value back.
  Enter(Nci(19), "0 ");
  EXPECT_EQ(Nci(19).Text(), NciRow(19).NciValue);
  EXPECT_TRUE(Normal(Nci(19)));
}

TEST_F(CompanionChoicesTest, DigitalInputChoicesFollowItsHexDigits) {
  Open("Floor 1", "Room 101");
  ASSERT_EQ(NciRow(36).NciValue, "0 0 0 0");
  // Digit 0 is the function (0 to 3 only, else none; a character that is no hex digit reads as 0), digit 1
  // the contact.
  Expect({{36, "2 0 0 0", 37, 2, true},
          {36, "4 0 0 0", 37, -1, true},
          {36, "B 0 0 0", 37, -1, true},
          {36, "3 5 0 0", 37, 3, true},
          {36, "z 0 0 0", 37, 0, false},  // the choice writes its digit: the device's value
          {36, "0 0 0 0", 37, 0, false}});
  Expect({{36, "3 5 0 0", 36, 1, true}, {36, "2 0 0 0", 36, 0, true}, {36, "0 0 0 0", 36, 0, false}});
}

}  // namespace
}  // namespace editors_test
