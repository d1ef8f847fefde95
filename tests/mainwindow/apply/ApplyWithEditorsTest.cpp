// Apply and Cancel with the window shown and the value editors at work: the user's edit of a sub-field box
// marks and rebuilds its row, Apply writes it and leaves every box unmarked, Cancel brings the written
// parts back; in a transfer that refuses a device-specific row, that row keeps its parts and its marks; a
// setting box loses its mark once its input is written or restored.

#include <string>

#include "DemoMachineFixture.h"
#include "platform/lns/LnsObjectModel.h"
#include "program/Program.h"

namespace mainwindow_test {

using namespace testsupport;
namespace {

class ApplyWithEditorsTest : public EditorTest {};

TEST_F(ApplyWithEditorsTest, ASetPointTypedWithTheDecimalCommaIsWrittenAndCancelBringsItBack) {
  UseDecimalSeparator(",");
  Open("Floor 1", "Room 101");
  ASSERT_EQ(Nci(71).Text(), "25,00");
  Enter(Nci(71), "25,5");
  ASSERT_TRUE(Red(Nci(71)));
  ASSERT_TRUE(Red(Nci(49)));
  boxes().QueueAnswer(ui::vbYes, "Transmit parameters");

  window().cmdApply.UserClicks();

  const lns::LnsConfigProperty setPoints = *window().GetNciObject(NciRow(49).NciKey);
  EXPECT_EQ(setPoints.GetValue(), "23,00,25,50,28,00,21,00,19,00,16,00");
  EXPECT_EQ(NciRow(49).NciValue, "23.00,25.50,28.00,21.00,19.00,16.00");
  EXPECT_EQ(Nci(49).Text(), NciRow(49).NciValue);
  EXPECT_EQ(program().model.SetPntsField1, "25,50");
  EXPECT_EQ(Nci(71).Text(), "25,50");
  for (int box = 70; box <= 75; ++box) EXPECT_TRUE(Normal(Nci(box))) << box;
  EXPECT_TRUE(Normal(Nci(49)));
  EXPECT_FALSE(ApplyAndCancelEnabled());

  Enter(Nci(71), "26");
  ASSERT_TRUE(ApplyAndCancelEnabled());
  window().cmdCancel.UserClicks();

  EXPECT_EQ(Nci(71).Text(), "25,50");
  EXPECT_EQ(Nci(49).Text(), "23.00,25.50,28.00,21.00,19.00,16.00");
  EXPECT_TRUE(Normal(Nci(71)));
  EXPECT_TRUE(Normal(Nci(49)));
  EXPECT_FALSE(ApplyAndCancelEnabled());
}

TEST_F(ApplyWithEditorsTest, TheOccupancySettingBoxIsUnmarkedByApplyAndByCancel) {
  Open("Floor 1", "Room 101");
  for (const bool apply : {true, false}) {
    // Another setting each time: the box shows the setting as the device reads the value written.
    Type(SettingBox(3), apply ? "5" : "7");
    Edit(Nvi(6), "700");  // leaving the setting box writes its input
    ASSERT_TRUE(Red(Nvi(3))) << apply;
    ASSERT_TRUE(Red(SettingBox(3))) << apply;

    (apply ? window().cmdApply : window().cmdCancel).UserClicks();

    EXPECT_FALSE(Red(Nvi(3))) << apply;
    EXPECT_FALSE(Red(SettingBox(3))) << apply;
    EXPECT_FALSE(Red(NviCombo(3))) << apply;
    EXPECT_FALSE(ApplyAndCancelEnabled()) << apply;
  }
}

class ApplyTransferPartsTest : public DeviceSelectionTest {};

TEST_F(ApplyTransferPartsTest, ARowRefusedByTheTransferKeepsItsPartsAndItsMarks) {
  Enter(Nci(80), "50");   // SCPTprimeVal, general
  Enter(Nci(91), "800");  // UCPTlightRatio, device-specific
  ASSERT_TRUE(Red(Nci(21)));
  Select({"Room 102"}, true);

  window().cmdApply.UserClicks();

  EXPECT_EQ(program().model.CpPrimeValPart1, "50.0");
  EXPECT_TRUE(Normal(Nci(0)));
  EXPECT_TRUE(Normal(Nci(80)));
  EXPECT_EQ(program().model.LightRatio1Before, "1000");
  EXPECT_TRUE(Red(Nci(21)));
  EXPECT_TRUE(Red(Nci(91)));
  EXPECT_TRUE(ApplyAndCancelEnabled());
}

}  // namespace
}  // namespace mainwindow_test
