// A configuration-property box is marked changed (red) while its text differs from the device's value,
// compared as a number or as text depending on the box, and Apply and Cancel are offered exactly while a
// row box is marked.

#include <string>
#include <vector>

#include "DemoMachineFixture.h"
#include "platform/lns/LnsObjectModel.h"
#include "program/Program.h"

namespace editors_test {

using namespace testsupport;
namespace {

// The user enters `text` in property box `row`; the box then shows `shown` (the text itself where
// empty) and is marked as `red`.
struct Entry {
  int row;
  std::string text;
  bool red;
  std::string shown = {};
};

class ChangeMarkTest : public EditorTest {
 protected:
  void Expect(const std::vector<Entry>& entries) {
    for (const Entry& entry : entries) {
      Enter(Nci(entry.row), entry.text);
      EXPECT_EQ(Nci(entry.row).Text(), entry.shown.empty() ? entry.text : entry.shown) << entry.text;
      EXPECT_EQ(Red(Nci(entry.row)), entry.red) << entry.row << " " << entry.text;
    }
  }
};

TEST_F(ChangeMarkTest, NumberBoxesAreComparedAsNumbersAndTextBoxesCharacterByCharacter) {
  Open("Floor 1", "Room 101");
  ASSERT_EQ(NciRow(12).NciValue, "300.0");  // SCPTclOffDelay
  ASSERT_EQ(NciRow(13).NciValue, "0.0");
  ASSERT_EQ(NciRow(49).NciValue, "23.00,25.00,28.00,21.00,19.00,16.00");
  // Other spellings of the same number are no change; an emptied number box reads 0.
  Expect({{12, "301", true}, {12, "300", false}, {12, "300.00", false}, {12, "0300", false}});
  EXPECT_EQ(Nci(12).MaxLength(), 6);
  EXPECT_FALSE(ApplyAndCancelEnabled());
  Erase(Nci(12));
  EXPECT_EQ(Nci(12).Text(), "0");
  EXPECT_TRUE(Red(Nci(12)));
  // Typed key by key, each new text is compared.
  Nci(12).UserSelects(0, 1);
  Nci(12).UserTypes('3');
  EXPECT_TRUE(Red(Nci(12)));
  Nci(12).UserTypes('0');
  Nci(12).UserTypes('0');
  EXPECT_EQ(Nci(12).Text(), "300");
  EXPECT_TRUE(Normal(Nci(12)));
  Erase(Nci(13));
  EXPECT_EQ(Nci(13).Text(), "0");
  EXPECT_TRUE(Normal(Nci(13)));
  EXPECT_FALSE(ApplyAndCancelEnabled());

  // The same numbers spelled otherwise are a change for the boxes that hold texts; an emptied text box
  // stays empty.
  Expect({{49, "23.0,25.00,28.00,21.00,19.00,16.00", true},
          {0, "100.0 1 ", true},
          {21, "1000/100.0", true},
          {54, "hvac_auto", true},
          {32, "", true}});
  EXPECT_TRUE(ApplyAndCancelEnabled());
  EXPECT_EQ(Nci(49).MaxLength(), 0);
  for (int row : {49, 0, 21, 54, 32}) Expect({{row, NciRow(row).NciValue, false}});
  EXPECT_FALSE(ApplyAndCancelEnabled());

  // An edit typed into a composite row leaves its sub-field boxes as they are, and they stay unchanged.
  Expect({{0, "50.0 0", true}});
  EXPECT_EQ(Nci(80).Text(), "100.0");
  EXPECT_EQ(Nci(81).Text(), "1");
  EXPECT_TRUE(Normal(Nci(80)));
  EXPECT_TRUE(Normal(Nci(81)));
}

TEST_F(ChangeMarkTest, NumbersAreReadWithTheUsersDecimalSeparator) {
  UseDecimalSeparator(",");
  Open("Floor 1", "Room 101");
  ASSERT_EQ(NciRow(18).NciValue, "10,0");  // SCPTstep
  // With the comma, a point makes no number: the device's value comes back.
  Expect({{18, "10", false}, {18, "10,5", true}, {18, "10.5", false, "10,0"}});
  EXPECT_FALSE(ApplyAndCancelEnabled());
}

TEST_F(ChangeMarkTest, TextThatIsNoNumberGetsTheDevicesValueBack) {
  Open("Floor 1", "Room 101");
  ASSERT_EQ(NciRow(51).NciValue, "0.00");  // SCPTtempOffset
  Expect({{51, "-", false, "0.00"}});
  EXPECT_FALSE(ApplyAndCancelEnabled());
  // Apply and Cancel follow the marks after a repair: another box is still red.
  Expect({{51, "-5", true}, {12, "301", true}, {51, ".", false, "0.00"}});
  EXPECT_TRUE(ApplyAndCancelEnabled());

  // A sub-field box gets the device's value of its part back, and its row is not rebuilt from the edit.
  Expect({{70, ".", false, "23.00"}, {81, "x", false, "1"}});
  EXPECT_EQ(Nci(49).Text(), NciRow(49).NciValue);
  EXPECT_EQ(Nci(0).Text(), "100.0 1");
}

TEST_F(ChangeMarkTest, NumberBeyondADoublesRangeGetsTheDevicesValueBack) {
  Open("Floor 1", "Room 101");
  const std::string overflow = "1" + std::string(400, '0');
  Expect(
      {{51, overflow, false, "0.00"}, {70, overflow, false, "23.00"}, {80, "-" + overflow, false, "100.0"}});
  EXPECT_EQ(Nci(49).Text(), NciRow(49).NciValue);
  EXPECT_EQ(Nci(0).Text(), "100.0 1");
  EXPECT_FALSE(ApplyAndCancelEnabled());
  // Leaving the box keeps the device's value: no bound stands in for the pasted number.
  Edit(Nci(51), overflow);
  window().UserMovesFocus(Nci(52));
  ASSERT_EQ(Focused(), &Nci(52));
  EXPECT_EQ(Nci(51).Text(), "0.00");
  EXPECT_FALSE(ApplyAndCancelEnabled());
}

TEST_F(EditorTest, ApplyAndCancelFollowTheRowBoxesOfPropertiesAndInputs) {
  Open("Floor 1", "Room 101");
  ui::TextBox& offDelay = Nci(12);
  const bool selectionEnabled = window().cmdGerAuswahl.Enabled();

  // An input marked changed by its own editor keeps them enabled while every property box is unchanged.
  window().txtNvi[3].SetForeColor(ui::vbRed);
  Enter(offDelay, "301");
  Enter(offDelay, "300");
  EXPECT_TRUE(ApplyAndCancelEnabled());
  window().txtNvi[3].SetForeColor(ui::vbButtonText);
  Enter(offDelay, "301");
  EXPECT_TRUE(ApplyAndCancelEnabled());
  Enter(offDelay, "300");
  EXPECT_FALSE(ApplyAndCancelEnabled());

  // Sub-field boxes are not asked: their row holds the edit.
  Enter(Nci(80), "99.5");
  EXPECT_TRUE(Red(Nci(80)));
  EXPECT_TRUE(Red(Nci(0)));
  EXPECT_TRUE(ApplyAndCancelEnabled());
  Enter(Nci(0), "100.0 1");
  EXPECT_TRUE(Red(Nci(80)));
  EXPECT_TRUE(Normal(Nci(0)));
  EXPECT_FALSE(ApplyAndCancelEnabled());
  EXPECT_EQ(window().cmdGerAuswahl.Enabled(), selectionEnabled);

  // Only the rows of the device's model count.
  Open("Floor 2", "Room 202");  // QVR-L1: 37 property rows
  ASSERT_EQ(tables().NciCount, 37);
  ASSERT_NE(NciRow(12).NciValue, "301");
  Nci(45).SetForeColor(ui::vbRed);  // a box of a row this model lacks
  Enter(Nci(12), "301");
  EXPECT_TRUE(ApplyAndCancelEnabled());
  Enter(Nci(12), NciRow(12).NciValue);
  EXPECT_FALSE(ApplyAndCancelEnabled());
}

TEST_F(EditorTest, HiddenWindowMarksAndRebuildsNothing) {
  Command(DemoDevice("Floor 1", "Room 101"));
  ASSERT_FALSE(window().Visible());

  Enter(Nci(12), "");
  EXPECT_EQ(Nci(12).Text(), "");
  EXPECT_TRUE(Normal(Nci(12)));
  Enter(Nci(72), "18.5");
  EXPECT_EQ(Nci(49).Text(), NciRow(49).NciValue);
  EXPECT_TRUE(Normal(Nci(72)));
  Enter(Nci(54), "HVAC_COOL");
  EXPECT_EQ(Combo(54).ListIndex(), 0);
  EXPECT_TRUE(Normal(Nci(54)));

  // Apply and Cancel still follow the colours the boxes have.
  Nci(3).SetForeColor(ui::vbRed);
  Enter(Nci(12), "5");
  EXPECT_TRUE(ApplyAndCancelEnabled());
  Nci(3).SetForeColor(ui::vbButtonText);
  Enter(Nci(12), "6");
  EXPECT_FALSE(ApplyAndCancelEnabled());
}

// A device that lacks three properties: their stored values stay empty, which no number equals. An
// empty stored value is no error either: typing into such a box, or emptying it, ends (no endless
// writing back of the empty value) with the box marked.
TEST_F(EditorTest, StoredValueThatIsNoNumberDiffersFromEveryNumber) {
  lns::DeviceInterface interface = ModelInterface("qvrl206");
  std::erase_if(interface.configProperties, [](const lns::CpDefinition& property) {
    const bool offDelay = property.ownerIndex == 4 && property.typeIndex == 85;
    const bool primeValue = property.ownerIndex == 3 && property.typeIndex == 155;
    const bool setPoints = property.ownerIndex == 6 && property.typeIndex == 60;
    return property.owner == lns::CpOwner::Block && (offDelay || primeValue || setPoints);
  });
  const lns::LnsAppDevice lacking = LabDevice(interface);
  UseLabNetwork();
  for (int failedRead = 0; failedRead < 6; ++failedRead) boxes().QueueAnswer(ui::vbIgnore);
  Open(lacking);
  ASSERT_EQ(boxes().PendingAnswers(), 0u);
  ASSERT_EQ(NciRow(12).NciValue, "");
  ASSERT_EQ(program().model.CpPrimeValPart2, "");
  ASSERT_EQ(program().model.SetPntsField2, "");

  // No number at all: the empty device value comes back, and reads 0.
  Enter(Nci(12), "-");
  EXPECT_EQ(Nci(12).Text(), "0");
  EXPECT_TRUE(Red(Nci(12)));
  Enter(Nci(72), ".");
  EXPECT_EQ(Nci(72).Text(), "0");
  EXPECT_TRUE(Red(Nci(72)));
  EXPECT_TRUE(Red(Nci(49)));

  Enter(Nci(12), "5");
  EXPECT_EQ(Nci(12).Text(), "5");
  EXPECT_TRUE(Red(Nci(12)));
  Erase(Nci(12));
  EXPECT_EQ(Nci(12).Text(), "0");
  EXPECT_TRUE(Red(Nci(12)));

  Enter(Nci(81), "1");
  EXPECT_TRUE(Red(Nci(81)));
  EXPECT_EQ(Nci(0).Text(), " 1");
  Enter(Nci(80), "5");
  EXPECT_EQ(Nci(0).Text(), "5.0 1");
  Erase(Nci(80));
  EXPECT_EQ(Nci(80).Text(), "0");
  EXPECT_TRUE(Red(Nci(80)));
  EXPECT_EQ(Nci(0).Text(), "0.0 1");
  EXPECT_TRUE(Red(Nci(0)));
  EXPECT_TRUE(ApplyAndCancelEnabled());
}

}  // namespace
}  // namespace editors_test
