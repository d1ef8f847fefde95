// While a device command opens its device, or a window of the user's is open over the main window, a
// director's call waits and the main window takes no input; afterwards both go on.

#include <optional>
#include <string>

#include "DemoMachineFixture.h"
#include "framework/LNSPlugInAPI.h"
#include "mainwindow/files/fDruckmenue.h"
#include "program/Program.h"

namespace mainwindow_test {

using namespace testsupport;
namespace {

TEST_F(DeviceSelectionTest, DirectorCallsWaitWhileADeviceLoadsOrTheUserHasAWindowOpen) {
  Open("Floor 1", "Room 101");
  ASSERT_TRUE(qvr::DirectorCallsMayRun(program()));

  // What window events see when they run inside the next device command.
  std::optional<bool> inputTaken;
  std::optional<bool> callsTaken;
  std::string why;
  services().TestLoop().Post([&] {
    inputTaken = window().Enabled();
    callsTaken = qvr::DirectorCallsMayRun(program());
    why = qvr::DirectorCallsBusyAnswer(program());
  });
  Command(DemoDevice("Floor 1", "Room 102"));
  ASSERT_TRUE(inputTaken.has_value()) << "the device command let no window events run";
  EXPECT_FALSE(*inputTaken);
  EXPECT_FALSE(*callsTaken);
  EXPECT_EQ(why, "the plug-in is busy: a command is under way");
  EXPECT_TRUE(window().Enabled());
  EXPECT_TRUE(qvr::DirectorCallsMayRun(program()));

  OpenSelection([&](qvr::fGeraeteauswahl& selection) {
    EXPECT_FALSE(qvr::DirectorCallsMayRun(program())) << "device selection";
    EXPECT_EQ(qvr::DirectorCallsBusyAnswer(program()), "the plug-in is busy: a window of the user's is open");
    selection.UserCloses();
  });
  backend().ExpectModal("fDruckmenue", [&](ui::Form& form) {
    EXPECT_FALSE(qvr::DirectorCallsMayRun(program())) << "print choice";
    form.UserCloses();
  });
  services().TestDialogs().QueuePrinter(false);
  window().mnuDrucken.UserClicks();
  EXPECT_EQ(backend().PendingModalScripts(), 0u);
  EXPECT_TRUE(qvr::DirectorCallsMayRun(program()));
}

}  // namespace
}  // namespace mainwindow_test
