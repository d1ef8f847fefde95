// The transfer-status window: its texts, cancelling by closing it, and the remaining-time estimate.

#include <string>

#include "DemoMachineFixture.h"
#include "Golden.h"
#include "identity/PlugInIdentity.h"
#include "mainwindow/apply/fStatus.h"
#include "platform/ui/Snapshot.h"
#include "program/Program.h"
#include "services/CRegistry.h"

namespace mainwindow_test {

using namespace testsupport;
namespace {

class TransferStatusTest : public DeviceCommandTest {
 protected:
  qvr::fStatus& status() { return program().Windows().Get<qvr::fStatus>(program()); }
  void AdvanceSeconds(int seconds) { services().TestLoop().Advance(seconds * 1000); }

  // What a transfer does as device `slot` of `count` starts.
  void StartDevice(int slot, int count) {
    status().Progr_Devices.SetValue(static_cast<float>(slot));
    status().Lbl_Devices.SetCaption(std::to_string(slot) + " / " + std::to_string(count));
  }
  void StartTransfer(int count) {
    program().mainwindow.SelectedCount = static_cast<std::int16_t>(count);
    status().Progr_Devices.SetMax(static_cast<float>(count));
    status().StartTransfer();
  }
};

TEST_F(TransferStatusTest, LoadsTopLeftWithItsTextsAndEveryClosingCancels) {
  qvr::fStatus& window = status();
  window.Move(3000, 2000);
  window.Unload();
  program().mainwindow.TransferCancelled = false;

  window.Show();
  ExpectGolden(__FILE__, "fStatus", ui::Snapshot(window));

  window.UserCloses();
  EXPECT_FALSE(window.IsLoaded());
  EXPECT_TRUE(program().mainwindow.TransferCancelled);

  // Apply's own closing at the end of a run sets the flag as well; the next run clears it first.
  program().mainwindow.TransferCancelled = false;
  status().Unload();
  EXPECT_TRUE(program().mainwindow.TransferCancelled);

  // Every load starts from the design, and each gets the caption of the registered language again.
  EXPECT_EQ(status().Caption(), "State");
  status().Unload();
  qvr::CRegistry(program().Err, program().Registry()).MachineSetting(qvr::kPlugInKey, "Language", "german");
  EXPECT_EQ(status().Caption(), "Status");
}

// The English main window loads the window hidden as "State", its labels in English; in German nothing
// loads it before the first transfer.
TEST(TransferStatusWindow, TheEnglishMainWindowLoadsItHidden) {
  ProgramFixture english;
  english.program().fMain();
  const qvr::fStatus* status = english.program().Windows().Find<qvr::fStatus>();
  ASSERT_NE(status, nullptr);
  EXPECT_TRUE(status->IsLoaded());
  EXPECT_FALSE(status->Visible());
  EXPECT_EQ(status->Caption(), "State");
  EXPECT_EQ(status->lbl_St_Device.Caption(), "Devices:");
  EXPECT_FALSE(english.program().mainwindow.TransferCancelled);

  ProgramFixture german;
  german.SetLanguage("german");
  german.program().fMain();
  EXPECT_EQ(german.program().Windows().Find<qvr::fStatus>(), nullptr);
}

TEST_F(TransferStatusTest, EstimateIsThePreviousDeviceTimeTimesTheDevicesLeft) {
  // A long pause before the transfer does not count as a device's time: the first device has no estimate.
  AdvanceSeconds(5000);
  StartTransfer(3);
  StartDevice(1, 3);
  EXPECT_EQ(status().lbl_time.Caption(), "Time");
  AdvanceSeconds(10);
  StartDevice(2, 3);
  EXPECT_EQ(status().lbl_time.Caption(), "20 sec");
  AdvanceSeconds(10);
  StartDevice(3, 3);
  EXPECT_EQ(status().lbl_time.Caption(), "10 sec");

  // The next transfer starts afresh, however long ago the last device of the previous one started.
  status().Unload();
  AdvanceSeconds(700);
  StartTransfer(4);
  StartDevice(1, 4);
  EXPECT_EQ(status().lbl_time.Caption(), "Time");
  // Two devices within one second count one second each.
  StartDevice(2, 4);
  EXPECT_EQ(status().lbl_time.Caption(), "3 sec");
  services().TestLoop().Advance(400);
  StartDevice(3, 4);
  EXPECT_EQ(status().lbl_time.Caption(), "2 sec");
}

}  // namespace
}  // namespace mainwindow_test
