// The rows that only the larger models (family QVR-L2) decode, and where the families differ.

#include "DeviceModelTestSupport.h"

namespace devicemodel_test {
namespace {

std::vector<std::string> SetPointBoxes(qvr::fMain& window) {
  std::vector<std::string> texts;
  for (int box = 70; box <= 75; ++box) texts.push_back(window.txtNci[box].Text());
  return texts;
}

std::vector<std::string> SetPointParts(qvr::DeviceModelState& model) {
  std::vector<std::string> parts;
  for (const std::string* part : model.SetPntsFields()) parts.push_back(*part);
  return parts;
}

qvr::DataPoint& SetPointRow(qvr::Program& program) {
  return program.datapoints.NciTable[49];
}

TEST_F(DeviceModelTest, SetPointsWithTheDecimalPointAreCutFromTheirBox) {
  UseDecimalSeparator(".");
  const std::string value = "21.00,19.00,16.00,24.00,26.00,28.00";
  SetPointRow(program).NciValue = value;
  nciBox(49).SetText(value);
  nciBox(72).SetForeColor(ui::vbRed);
  OpenDevice(kQvrl207);
  const std::vector<std::string> expected = {"21.00", "19.00", "16.00", "24.00", "26.00", "28.00"};
  EXPECT_EQ(SetPointBoxes(window()), expected);
  EXPECT_EQ(SetPointParts(program.model), expected);
  EXPECT_EQ(SetPointRow(program).NciValue, value);
  EXPECT_EQ(nciBox(49).Text(), value);
  EXPECT_EQ(nciBox(72).ForeColor(), ui::vbButtonText);

  // Each remainder is trimmed, so parts after the first lose their leading blanks.
  nciBox(49).SetText("21.00, 19.00,  16.00, 24.00, 26.00, 28.00");
  OpenDevice(kQvrl206);
  EXPECT_EQ(SetPointParts(program.model), expected);
  EXPECT_EQ(SetPointRow(program).NciValue, value);

  // Parts the text does not reach are empty.
  nciBox(49).SetText("20.50,18.00,15.00");
  OpenDevice(kQvrl207);
  EXPECT_EQ(SetPointBoxes(window()), (std::vector<std::string>{"20.50", "18.00", "15.00", "", "", ""}));
  EXPECT_EQ(SetPointParts(program.model), SetPointBoxes(window()));

  // With another separator the value is cut at the commas and stays as read.
  UseDecimalSeparator("'");
  SetPointRow(program).NciValue = "22'00,20'00,17'00,25'00,27'00,29'00";
  nciBox(49).SetText(SetPointRow(program).NciValue);
  OpenDevice(kQvrl207);
  EXPECT_EQ(SetPointBoxes(window()),
            (std::vector<std::string>{"22'00", "20'00", "17'00", "25'00", "27'00", "29'00"}));
  EXPECT_EQ(SetPointRow(program).NciValue, "22'00,20'00,17'00,25'00,27'00,29'00");
}

TEST_F(DeviceModelTest, SetPointsWithTheDecimalCommaAreRewrittenIntoTheDottedForm) {
  UseDecimalSeparator(",");
  SetPointRow(program).NciValue = "21,00,19,00,16,00,24,00,26,50,28,00";
  nciBox(49).SetText("something else");  // the stored value is the source
  OpenDevice(kQvrl207);
  const std::vector<std::string> expected = {"21,00", "19,00", "16,00", "24,00", "26,50", "28,00"};
  EXPECT_EQ(SetPointParts(program.model), expected);
  EXPECT_EQ(SetPointBoxes(window()), expected);
  EXPECT_EQ(SetPointRow(program).NciValue, "21.00,19.00,16.00,24.00,26.50,28.00");
  EXPECT_EQ(nciBox(49).Text(), "21.00,19.00,16.00,24.00,26.50,28.00");
  EXPECT_EQ(nciBox(49).ForeColor(), ui::vbButtonText);

  // Every reading rewrites the value just read.
  SetPointRow(program).NciValue = "1,5,2,5,3,5,4,5,5,5,6,5";
  OpenDevice(kQvrl206);
  EXPECT_EQ(SetPointRow(program).NciValue, "1.5,2.5,3.5,4.5,5.5,6.5");
  EXPECT_EQ(program.model.SetPntsField5, "6,5");
}

TEST_F(DeviceModelTest, SetPointsThatAreNotSixNumbersOrOfTheSmallerFamilyAreNotTakenApart) {
  UseDecimalSeparator(",");
  SetPointRow(program).NciValue = "21,00,19,00,16,00,24,00,26,00,28,00";
  OpenDevice(kQvrl207);
  ASSERT_EQ(program.model.SetPntsField0, "21,00");

  // No part of an earlier device is shown for this one, and the value read stays as it is.
  for (const std::string stored :
       {"", "21,00,19,00,16,00", "21,00,19,00,16,00,24,00,26,00,28,00,30,00", "abc"}) {
    SetPointRow(program).NciValue = stored;
    nciBox(49).SetText(stored);
    OpenDevice(kQvrl207);
    EXPECT_EQ(SetPointParts(program.model), std::vector<std::string>(6)) << stored;
    EXPECT_EQ(SetPointBoxes(window()), std::vector<std::string>(6)) << stored;
    EXPECT_EQ(SetPointRow(program).NciValue, stored);
    EXPECT_EQ(nciBox(49).Text(), stored);
  }

  // The smaller family has no set points: nothing is taken apart or rewritten.
  SetPointRow(program).NciValue = "21,00,19,00,16,00,24,00,26,00,28,00";
  OpenDevice(kQvrl106);
  EXPECT_EQ(SetPointRow(program).NciValue, "21,00,19,00,16,00,24,00,26,00,28,00");
  EXPECT_EQ(program.model.SetPntsField0, "");
  EXPECT_EQ(nciBox(70).Text(), "");
}

TEST_F(DeviceModelTest, ValveCountAndHvacModeFollowTheirStoredValues) {
  struct Case {
    int row;
    std::string stored;
    std::optional<int> expected;
  };
  const Case cases[] = {
      {50, "1", 0},
      {50, "2", 1},
      {50, "3", std::nullopt},
      {50, " 1", 0},  // the device reads 1
      {54, "HVAC_AUTO", 0},
      {54, "HVAC_HEAT", 1},
      {54, "HVAC_COOL", 2},
      {54, "HVAC_OFF", 3},
      {54, "hvac_auto", std::nullopt},
      {54, "HVAC_NUL", std::nullopt},
  };
  for (const Case& c : cases) {
    ExpectChoices(
        {&nciCombo(c.row)}, c.expected,
        [&] {
          program.datapoints.NciTable[static_cast<std::size_t>(c.row)].NciValue = c.stored;
          nciBox(c.row).SetText("HVAC_HEAT");  // the box is not the source
          OpenDevice(kQvrl207);
        },
        c.stored);
  }

  // The smaller family leaves both combos alone.
  ExpectChoices(
      {&nciCombo(50), &nciCombo(54)}, std::nullopt,
      [&] {
        program.datapoints.NciTable[50].NciValue = "2";
        program.datapoints.NciTable[54].NciValue = "HVAC_OFF";
        OpenDevice(kQvrl105);
      },
      "QVR-L1");
}

TEST_F(DeviceModelTest, TheStartBitIsReadMoreLooselyByTheLargerFamily) {
  // Bits 15 and 14 both "0" with a bit 0 that is neither "0" nor "1".
  const std::string text = BitField({}).replace(0, 1, "x");
  auto decode = [&](const std::string& programId) {
    return [&, programId] {
      nciBox(19).SetText(text);
      nciBox(30).SetText(text);
      OpenDevice(programId);
    };
  };
  ExpectChoices({&nciCombo(19), &nciCombo(30)}, 1, decode(kQvrl207), "QVR-L2");
  ExpectChoices({&nciCombo(19), &nciCombo(30)}, std::nullopt, decode(kQvrl105), "QVR-L1");
}

TEST_F(DeviceModelTest, SpaceComfortInputsShowTheirTexts) {
  UseDecimalSeparator(",");
  nviBox(20).SetText("HVAC_HEAT");
  nviBox(21).SetText("OC_STANDBY");
  nviBox(22).SetText("OC_NUL");
  nviBox(23).SetText("100,0 1");
  nviBox(24).SetText("55,0 1");  // no entry of the list: shown as it is
  OpenDevice(kQvrl207, "Cnfg Offline");
  EXPECT_EQ(nviCombo(20).Text(), "HVAC_HEAT");
  EXPECT_EQ(nviCombo(20).ListIndex(), 1);
  EXPECT_EQ(nviCombo(21).Text(), "OC_STANDBY");
  EXPECT_EQ(nviCombo(22).Text(), "OC_NUL");
  EXPECT_EQ(nviCombo(23).Text(), "100,0 1");
  EXPECT_EQ(nviCombo(24).Text(), "55,0 1");
  EXPECT_EQ(nviCombo(24).ListIndex(), -1);

  nviBox(20).SetText("HVAC_COOL");
  OpenDevice(kQvrl106);
  EXPECT_EQ(nviCombo(20).Text(), "HVAC_HEAT");
}

}  // namespace
}  // namespace devicemodel_test
