// After Apply has written, the composite properties' parts are set again from what was written: rows 0
// and 1 at the blank, rows 21 and 32 at the "/", the six set points of row 49 from their sub-field boxes.

#include <string>

#include "DemoMachineFixture.h"
#include "platform/lns/LnsObjectModel.h"

namespace mainwindow_test {

using namespace testsupport;
namespace {

constexpr const char* kQuestion = "Transmit parameters to the current Device ?";

class ApplyCompositeTest : public ApplyTest {
 protected:
  // The user's edit of one sub-field box, which the change handling marks and copies into the row box.
  void EditSubField(int box, const std::string& text, int row, const std::string& rowText) {
    Edit(Nci(box), text);
    Edit(Nci(row), rowText);
  }

  void ApplyWithYes() {
    boxes().QueueAnswer(ui::vbYes, kQuestion);
    ClickApply();
  }

  qvr::DeviceModelState& model() { return program().model; }
};

TEST_F(ApplyCompositeTest, ValueStateAndRatioPartsAreCutFromTheWrittenText) {
  Open("Floor 1", "Room 101");
  EditSubField(80, "50", 0, "50 1");       // SCPTprimeVal: read back as 50.0 1
  EditSubField(91, "800", 21, "800/100");  // UCPTlightRatio of the first light controller

  ApplyWithYes();

  EXPECT_EQ(Property(0).GetValue(), "50.0 1");
  EXPECT_EQ(Property(21).GetValue(), "800/100");
  EXPECT_EQ(model().CpPrimeValPart1, "50.0");
  EXPECT_EQ(model().CpPrimeValPart2, "1");
  EXPECT_EQ(model().LightRatio1Before, "800");
  EXPECT_EQ(model().LightRatio1After, "100");
  // The rows that were not written keep parts equal to their texts.
  EXPECT_EQ(model().CpSecondValPart1, "0.0");
  EXPECT_EQ(model().CpSecondValPart2, "0");
  EXPECT_EQ(model().LightRatio2Before, "1000");
  EXPECT_EQ(model().LightRatio2After, "100");
  for (int box : {80, 81, 82, 83, 90, 91, 92, 93}) EXPECT_FALSE(Red(Nci(box))) << box;
  // The sub-field boxes keep what the user typed.
  EXPECT_EQ(Nci(80).Text(), "50");
}

TEST_F(ApplyCompositeTest, SetPointsAreRebuiltFromTheirBoxesWithTwoDecimals) {
  Open("Floor 1", "Room 101");
  ASSERT_EQ(NciRow(49).NciValue, "23.00,25.00,28.00,21.00,19.00,16.00");
  Edit(Nci(71), "25.5");
  Edit(Nci(72), "28");
  Edit(Nci(73), "21.");
  // Three decimals: the device keeps hundredths, rounded.
  Edit(Nci(74), "19.505");
  Edit(Nci(49), "23.00,25.50,28.00,21.00,19.505,16.00");

  ApplyWithYes();

  const std::string rebuilt = "23.00,25.50,28.00,21.00,19.51,16.00";
  EXPECT_EQ(Property(49).GetValue(), rebuilt);
  EXPECT_EQ(NciRow(49).NciValue, rebuilt);
  EXPECT_EQ(Nci(49).Text(), rebuilt);
  EXPECT_EQ(model().SetPntsField0, "23.00");
  EXPECT_EQ(model().SetPntsField1, "25.50");
  EXPECT_EQ(model().SetPntsField2, "28.00");
  EXPECT_EQ(model().SetPntsField3, "21.00");
  EXPECT_EQ(model().SetPntsField4, "19.51");
  EXPECT_EQ(model().SetPntsField5, "16.00");
  const char* shown[] = {"23.00", "25.50", "28.00", "21.00", "19.51", "16.00"};
  for (int point = 0; point < 6; ++point) {
    EXPECT_EQ(Nci(70 + point).Text(), shown[point]);
    EXPECT_FALSE(Red(Nci(70 + point))) << 70 + point;
  }
  EXPECT_FALSE(Red(Nci(49)));
}

TEST_F(ApplyCompositeTest, ASetPointBoxHoldingNoNumberTakesTheDevicesSetPoint) {
  Open("Floor 1", "Room 101");
  Edit(Nci(3), "90");
  // The sub-field box lost its number without the row box following it.
  Nci(72).SetText("");

  ApplyWithYes();

  const std::string onDevice = "23.00,25.00,28.00,21.00,19.00,16.00";
  EXPECT_EQ(Property(49).GetValue(), onDevice);
  EXPECT_EQ(NciRow(49).NciValue, onDevice);
  EXPECT_EQ(model().SetPntsField2, "28.00");
  EXPECT_EQ(Nci(72).Text(), "28.00");
}

TEST_F(ApplyCompositeTest, WithTheDecimalCommaThePartsKeepTheUsersFormat) {
  Open("Floor 1", "Room 104");  // qvrl207, the other model with set points
  // As a device opened with the decimal comma shows its set points.
  model().DecimalSep = ",";
  const char* shown[] = {"23,00", "25,00", "28,00", "21,00", "19,00", "16,00"};
  for (int point = 0; point < 6; ++point) Nci(70 + point).SetText(shown[point]);
  Edit(Nci(71), "25,5");
  Edit(Nci(49), "23.00,25.50,28.00,21.00,19.00,16.00");

  ApplyWithYes();

  EXPECT_EQ(NciRow(49).NciValue, "23.00,25.50,28.00,21.00,19.00,16.00");
  EXPECT_EQ(model().SetPntsField1, "25,50");
  EXPECT_EQ(model().SetPntsField0, "23,00");
  EXPECT_EQ(Nci(71).Text(), "25,50");
  EXPECT_FALSE(Red(Nci(71)));
}

TEST_F(ApplyCompositeTest, TheSmallerModelsHaveNoSetPointsButTheirOtherPartsAreSet) {
  Open("Floor 2", "Room 201");  // qvrl105: 37 properties
  ASSERT_EQ(tables().NciCount, 37);
  model().SetPntsField0 = "untouched";
  EditSubField(93, "500", 32, "500/100");

  ApplyWithYes();

  EXPECT_EQ(Property(32).GetValue(), "500/100");
  EXPECT_EQ(model().LightRatio2Before, "500");
  EXPECT_EQ(model().SetPntsField0, "untouched");
  EXPECT_FALSE(Red(Nci(93)));
}

}  // namespace
}  // namespace mainwindow_test
