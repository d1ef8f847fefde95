// Another maker's device opened after a QVR device: it keeps nothing of the QVR family, neither the
// model's lists nor its description in the help menu.

#include <string>

#include "DemoMachineFixture.h"
#include "program/Program.h"
#include "texts/MainMessages.h"

namespace mainwindow_test {

using namespace testsupport;
namespace {

// The device-filled switch lists of the space-comfort inputs.
constexpr int kEnergyHoldOff = 23;
constexpr int kDewPoint = 24;

// The input choices of both families, with the reset buttons of QVR-L2.
bool InputChoicesEnabled(qvr::fMain& window) {
  for (int row : {1, 2, 3, 4, 5, 8, 12, 20, 21, 22, 23, 24}) {
    if (!window.cmb_nvi[row].Enabled()) return false;
  }
  for (int row : {16, 17, 18, 19}) {
    if (!window.cmd_Nvi_Reset[row].Enabled()) return false;
  }
  return true;
}

TEST_F(DeviceCommandTest, AForeignDeviceLooksAsWhenOpenedFirstAndHasNoDescription) {
  Command("Floor 2", "Meter 1");
  ASSERT_EQ(window().cmb_nvi[kEnergyHoldOff].ListCount(), 0);
  ASSERT_TRUE(InputChoicesEnabled(window()));

  Command("Floor 1", "Room 103");  // QVR-L2, offline: its input choices are disabled
  ASSERT_EQ(window().cmb_nvi[kEnergyHoldOff].ListCount(), 3);
  ASSERT_FALSE(window().cmb_nvi[kEnergyHoldOff].Enabled());
  window().mnuBeschreibung.UserClicks();
  ASSERT_EQ(services().TestShell().Opened().size(), 1u) << "the family's manual";

  Command("Floor 2", "Meter 1");
  for (int row : {kEnergyHoldOff, kDewPoint}) EXPECT_EQ(window().cmb_nvi[row].ListCount(), 0) << row;
  EXPECT_TRUE(InputChoicesEnabled(window()));
  boxes().QueueAnswer(ui::vbOK, "There is no description of this device here.");
  window().mnuBeschreibung.UserClicks();
  EXPECT_EQ(services().TestShell().Opened().size(), 1u) << "no document opened";
  ASSERT_EQ(boxes().Shown().size(), 1u);
  EXPECT_EQ(boxes().Shown()[0].request.prompt, MsgMain(qvr::kMsgNoDescription));
  EXPECT_EQ(boxes().PendingAnswers(), 0u);
}

}  // namespace
}  // namespace mainwindow_test
