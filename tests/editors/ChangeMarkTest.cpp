// A configuration-property box is marked changed (red) while its text differs from the device's value,
// compared as a number or as text depending on the box, and Apply and Cancel are offered exactly while a
// row box is marked.

#include <string>

#include "DemoMachineFixture.h"
#include "framework/Program.h"
#include "platform/lns/LnsObjectModel.h"

namespace editors_test {

using namespace testsupport;
namespace {

TEST_F(EditorTest, PlainNumberBoxIsComparedAsANumber) {
  Open("Floor 1", "Room 101");
  ui::TextBox& offDelay = Nci(12);  // SCPTclOffDelay
  ASSERT_EQ(NciRow(12).NciValue, "300.0");
  EXPECT_TRUE(Normal(offDelay));
  EXPECT_FALSE(ApplyAndCancelEnabled());

  Enter(offDelay, "301");
  EXPECT_TRUE(Red(offDelay));
  EXPECT_TRUE(ApplyAndCancelEnabled());
  EXPECT_EQ(offDelay.MaxLength(), 6);
  // Other spellings of the same number are no change.
  for (const char* same : {"300", "300.00", "0300"}) {
    Enter(offDelay, same);
    EXPECT_TRUE(Normal(offDelay)) << same;
    EXPECT_FALSE(ApplyAndCancelEnabled()) << same;
  }
  // Typed key by key, each new text is compared.
  Erase(offDelay);
  EXPECT_EQ(offDelay.Text(), "0");  // an emptied box reads 0
  EXPECT_TRUE(Red(offDelay));
  offDelay.UserSelects(0, 1);
  offDelay.UserTypes('3');
  EXPECT_TRUE(Red(offDelay));
  offDelay.UserTypes('0');
  offDelay.UserTypes('0');
  EXPECT_EQ(offDelay.Text(), "300");
  EXPECT_TRUE(Normal(offDelay));
  EXPECT_FALSE(ApplyAndCancelEnabled());

  // Emptied, a box whose device value is 0 stays unchanged.
  ASSERT_EQ(NciRow(13).NciValue, "0.0");
  Erase(Nci(13));
  EXPECT_EQ(Nci(13).Text(), "0");
  EXPECT_TRUE(Normal(Nci(13)));
  EXPECT_FALSE(ApplyAndCancelEnabled());
}

TEST_F(EditorTest, NumbersAreReadWithTheUsersDecimalSeparator) {
  UseDecimalSeparator(",");
  Open("Floor 1", "Room 101");
  ui::TextBox& step = Nci(18);  // SCPTstep
  ASSERT_EQ(NciRow(18).NciValue, "10,0");
  Enter(step, "10");
  EXPECT_TRUE(Normal(step));
  Enter(step, "10,5");
  EXPECT_TRUE(Red(step));
  EXPECT_TRUE(ApplyAndCancelEnabled());
  // With the comma, a point makes no number: the device's value comes back.
  Enter(step, "10.5");
  EXPECT_EQ(step.Text(), "10,0");
  EXPECT_TRUE(Normal(step));
  EXPECT_FALSE(ApplyAndCancelEnabled());
}

TEST_F(EditorTest, TextValuesAreComparedCharacterByCharacter) {
  Open("Floor 1", "Room 101");
  // The same numbers spelled otherwise are a change for the boxes that hold texts.
  const std::string setPoints = NciRow(49).NciValue;
  ASSERT_EQ(setPoints, "23.00,25.00,28.00,21.00,19.00,16.00");
  Enter(Nci(49), "23.0,25.00,28.00,21.00,19.00,16.00");
  EXPECT_TRUE(Red(Nci(49)));
  Enter(Nci(0), "100.0 1 ");
  EXPECT_TRUE(Red(Nci(0)));
  Enter(Nci(21), "1000/100.0");
  EXPECT_TRUE(Red(Nci(21)));
  Enter(Nci(54), "hvac_auto");
  EXPECT_TRUE(Red(Nci(54)));
  EXPECT_TRUE(ApplyAndCancelEnabled());
  // An emptied text box stays empty and holds no length limit.
  Enter(Nci(32), "");
  EXPECT_EQ(Nci(32).Text(), "");
  EXPECT_TRUE(Red(Nci(32)));
  EXPECT_EQ(Nci(49).MaxLength(), 0);

  for (int row : {49, 0, 21, 54, 32}) {
    Enter(Nci(row), NciRow(row).NciValue);
    EXPECT_TRUE(Normal(Nci(row))) << row;
  }
  EXPECT_FALSE(ApplyAndCancelEnabled());

  // An edit typed into a composite row leaves its sub-field boxes as they are, and they stay unchanged.
  Enter(Nci(0), "50.0 0");
  EXPECT_EQ(Nci(80).Text(), "100.0");
  EXPECT_EQ(Nci(81).Text(), "1");
  EXPECT_TRUE(Normal(Nci(80)));
  EXPECT_TRUE(Normal(Nci(81)));
  EXPECT_TRUE(Red(Nci(0)));
}

TEST_F(EditorTest, TextThatIsNoNumberGetsTheDevicesValueBack) {
  Open("Floor 1", "Room 101");
  ui::TextBox& offset = Nci(51);  // SCPTtempOffset
  ASSERT_EQ(NciRow(51).NciValue, "0.00");
  Enter(offset, "-");
  EXPECT_EQ(offset.Text(), "0.00");
  EXPECT_TRUE(Normal(offset));
  EXPECT_FALSE(ApplyAndCancelEnabled());

  Enter(offset, "-5");
  EXPECT_TRUE(Red(offset));
  // Apply and Cancel follow the marks after a repair: another box is still red.
  Enter(Nci(12), "301");
  Enter(offset, ".");
  EXPECT_EQ(offset.Text(), "0.00");
  EXPECT_TRUE(Normal(offset));
  EXPECT_TRUE(ApplyAndCancelEnabled());

  // A sub-field box gets the device's value of its part back, and its row is not rebuilt from the edit.
  Enter(Nci(70), ".");
  EXPECT_EQ(Nci(70).Text(), "23.00");
  EXPECT_TRUE(Normal(Nci(70)));
  EXPECT_EQ(Nci(49).Text(), NciRow(49).NciValue);
  Enter(Nci(81), "x");
  EXPECT_EQ(Nci(81).Text(), "1");
  EXPECT_EQ(Nci(0).Text(), "100.0 1");
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
