// Apply's transfer to the selected devices: the synchronise option, changed rows only, progress, devices
// that refuse writes, cancelling by closing the status window, and the selection dropped when another device
// is opened.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "DemoMachineFixture.h"
#include "mainwindow/apply/fStatus.h"
#include "platform/lns/LnsObjectModel.h"
#include "program/Program.h"

namespace mainwindow_test {

using namespace testsupport;
namespace {

// Rows of the larger models' property table used here.
constexpr int kHoldTimeRow = 2;      // SCPTholdTime "F:3/C:0:91", general
constexpr int kMaxSendTimeRow = 3;   // SCPTmaxSendTime "F:3/C:0:49", general
constexpr int kLuxSetpointRow = 11;  // SCPTluxSetpoint "F:4/C:0:82", device-specific
constexpr int kPropertyRows = 56;
constexpr int kDeviceSpecificRows = 6;

class TransferTest : public DeviceSelectionTest {
 protected:
  static std::string MaxSendTime(const lns::LnsAppDevice& device) {
    return BlockProperty(device, 3, 0, 49).GetValue();
  }
  static std::string HoldTime(const lns::LnsAppDevice& device) {
    return BlockProperty(device, 3, 0, 91).GetValue();
  }
  static std::string LuxSetpoint(const lns::LnsAppDevice& device) {
    return BlockProperty(device, 4, 0, 82).GetValue();
  }

  void Apply() { window().cmdApply.UserClicks(); }

  // How many ordinary (or error) lines of the log read exactly `text`.
  long LogLines(const std::string& text, bool error = false) {
    long count = 0;
    for (const ui::LogLine& line : window().EchLog.Lines()) count += line.text == text && line.error == error;
    return count;
  }
  // How many error lines end with `tail`.
  long ErrorLinesEndingWith(const std::string& tail) {
    long count = 0;
    for (const std::string& line : window().EchLog.ErrorLines()) {
      count += line.size() >= tail.size() && line.compare(line.size() - tail.size(), tail.size(), tail) == 0;
    }
    return count;
  }
  static std::string WrittenLine(const std::string& device, const std::string& property,
                                 const std::string& value) {
    return "Floor 1 : " + device + " :   " + property + "  =  " + value;
  }

  // The end of every run: nothing left of the transfer.
  void ExpectTransferOver() {
    EXPECT_FALSE(program().mainwindow.SyncRunning);
    const auto* status = program().Windows().Find<qvr::fStatus>();
    EXPECT_TRUE(status == nullptr || !status->IsLoaded());
    EXPECT_TRUE(window().cmdGerAuswahl.Enabled());
  }
};

TEST_F(TransferTest, SynchroniseWritesEveryGeneralPropertyToEverySelectedDevice) {
  BlockProperty(Room("Room 102"), 3, 0, 49).PutValue("77.0");
  BlockProperty(Room("Room 103"), 3, 0, 49).PutValue("88.0");
  const std::string edited = MaxSendTime(Room("Room 101"));
  ASSERT_NE(edited, "77.0");
  const std::string ownLux = LuxSetpoint(Room("Room 102"));
  BlockProperty(Room("Room 102"), 4, 0, 82).PutValue(ownLux == "300" ? "310" : "300");
  const std::string otherLux = LuxSetpoint(Room("Room 102"));
  ASSERT_NE(otherLux, LuxSetpoint(Room("Room 101")));

  Select({"Room 102", "Room 103"}, true);
  ASSERT_TRUE(window().cmdApply.Enabled());
  Apply();

  EXPECT_EQ(MaxSendTime(Room("Room 102")), edited);
  EXPECT_EQ(MaxSendTime(Room("Room 103")), edited);
  EXPECT_EQ(LogLines(WrittenLine("Room 103", "SCPTholdTime", HoldTime(Room("Room 101")))), 1);
  // Device-specific properties keep each device's own value.
  EXPECT_EQ(LuxSetpoint(Room("Room 102")), otherLux);
  EXPECT_EQ(LogLines("SCPTfieldCalib not possible to synchronize !", true), 3);
  EXPECT_EQ(LogLines("SCPTluxSetpoint not possible to synchronize !", true), 2 * 3);
  EXPECT_EQ(ErrorLinesEndingWith(" not possible to synchronize !"), 3 * kDeviceSpecificRows);
  // One header per device.
  EXPECT_EQ(LogLines("writing Parameters..."), 3);

  EXPECT_TRUE(boxes().Shown().empty());
  EXPECT_FALSE(Red(Nci(kMaxSendTimeRow)));
  EXPECT_FALSE(window().cmdApply.Enabled());
  EXPECT_FALSE(window().cmdCancel.Enabled());
  ExpectTransferOver();
}

TEST_F(TransferTest, SynchroniseRefusesAChangedDeviceSpecificRow) {
  const std::string lux = LuxSetpoint(Room("Room 101"));
  Enter(Nci(kLuxSetpointRow), lux == "300" ? "310" : "300");
  ASSERT_TRUE(Red(Nci(kLuxSetpointRow)));

  Select({"Room 102"}, true);
  Apply();

  EXPECT_EQ(LuxSetpoint(Room("Room 101")), lux);
  EXPECT_EQ(LuxSetpoint(Room("Room 102")), lux);
  EXPECT_TRUE(Red(Nci(kLuxSetpointRow)));
  // The rows left red are explained once each at the end, and stay offered for Apply and Cancel.
  EXPECT_EQ(LogLines(MsgMain(31), true), 1);
  EXPECT_EQ(LogLines(MsgMain(34), true), 1);
  EXPECT_TRUE(ApplyAndCancelEnabled());
  ExpectTransferOver();
}

TEST_F(TransferTest, WithoutSynchroniseTheChangedRowsGoToEveryDevice) {
  BlockProperty(Room("Room 102"), 3, 0, 91).PutValue("33.0");
  std::vector<std::string> devicesShown;
  std::vector<std::string> parametersShown;
  qvr::fStatus& status = program().Windows().Get<qvr::fStatus>(program());
  status.Lbl_Devices.OnChange = [&, estimate = status.Lbl_Devices.OnChange] {
    devicesShown.push_back(status.Lbl_Devices.Caption());
    estimate();
  };
  status.Lbl_Parameters.OnChange = [&] { parametersShown.push_back(status.Lbl_Parameters.Caption()); };
  status.Unload();

  Enter(Nci(kMaxSendTimeRow), "150.0");
  ASSERT_TRUE(Red(Nci(kMaxSendTimeRow)));
  Select({"Room 102", "Room 103"}, false);
  Apply();

  for (const char* room : {"Room 101", "Room 102", "Room 103"}) {
    EXPECT_EQ(MaxSendTime(Room(room)), "150.0") << room;
    EXPECT_EQ(LogLines(WrittenLine(room, "SCPTmaxSendTime", "150.0")), 1) << room;
  }
  EXPECT_EQ(HoldTime(Room("Room 102")), "33.0");
  EXPECT_EQ(LogLines("writing Parameters..."), 1);
  EXPECT_EQ(Nci(kMaxSendTimeRow).Text(), "150.0");
  EXPECT_EQ(tables().NciTable[kMaxSendTimeRow].NciValue, "150.0");
  EXPECT_FALSE(Red(Nci(kMaxSendTimeRow)));
  EXPECT_FALSE(ApplyAndCancelEnabled());

  EXPECT_EQ(devicesShown, (std::vector<std::string>{"1 / 3", "2 / 3", "3 / 3"}));
  ASSERT_EQ(parametersShown.size(), 3u * kPropertyRows);
  EXPECT_EQ(parametersShown.front(), "1 / 56");
  EXPECT_EQ(parametersShown[kPropertyRows - 1], "56 / 56");
  EXPECT_EQ(parametersShown[kPropertyRows], "1 / 56");
  EXPECT_EQ(parametersShown.back(), "56 / 56");
  ExpectTransferOver();
}

TEST_F(TransferTest, WithoutSynchroniseAndWithoutChangesNothingIsWritten) {
  BlockProperty(Room("Room 102"), 3, 0, 49).PutValue("77.0");
  Select({"Room 102"}, false);
  const std::size_t linesBefore = window().EchLog.Lines().size();

  window().cmdApply_Click();

  EXPECT_EQ(MaxSendTime(Room("Room 102")), "77.0");
  EXPECT_EQ(window().EchLog.Lines().size(), linesBefore);
  EXPECT_TRUE(boxes().Shown().empty());
  ExpectTransferOver();
}

TEST_F(TransferTest, ADeviceThatRefusesWritesIsRetriedThenTheUserDecides) {
  const std::string repeating = MsgMain(35);
  // Two refusals: two automatic retries, then the value is written.
  Room("Room 102").PutFault({.refuseWrites = 2});
  Enter(Nci(kMaxSendTimeRow), "150.0");
  ASSERT_TRUE(Red(Nci(kMaxSendTimeRow)));
  Select({"Room 102"}, false);
  Apply();
  EXPECT_EQ(ErrorLinesEndingWith(repeating), 2);
  EXPECT_EQ(MaxSendTime(Room("Room 102")), "150.0");
  EXPECT_TRUE(boxes().Shown().empty());

  // A device that keeps refusing: five automatic retries, then the box. Ignore goes on with the next
  // device.
  Room("Room 102").PutFault({.refuseWrites = 1000});
  Enter(Nci(kMaxSendTimeRow), "160.0");
  Select({"Room 103"}, false);
  boxes().QueueAnswer(ui::vbIgnore, "Error updating \r\n");
  Apply();
  EXPECT_EQ(ErrorLinesEndingWith(repeating), 2 + 5);
  EXPECT_EQ(boxes().PendingAnswers(), 0u);
  EXPECT_EQ(MaxSendTime(Room("Room 101")), "160.0");
  EXPECT_EQ(MaxSendTime(Room("Room 102")), "150.0");
  EXPECT_EQ(MaxSendTime(Room("Room 103")), "160.0");
  ExpectTransferOver();

  // Abort ends the run there: the devices after it are not written and the box stays changed.
  Enter(Nci(kMaxSendTimeRow), "170.0");
  boxes().QueueAnswer(ui::vbAbort, "Error updating \r\n");
  Apply();
  EXPECT_EQ(MaxSendTime(Room("Room 101")), "170.0");
  EXPECT_EQ(MaxSendTime(Room("Room 103")), "160.0");
  EXPECT_TRUE(Red(Nci(kMaxSendTimeRow)));
  EXPECT_TRUE(ApplyAndCancelEnabled());
  ExpectTransferOver();
}

TEST_F(TransferTest, AfterAnIgnoredRefusalTheBoxesShowWhatTheEditedDeviceHolds) {
  // Another selected device refuses: the edited device's new value stays shown, without its mark.
  Room("Room 102").PutFault({.refuseWrites = 1000});
  Enter(Nci(kMaxSendTimeRow), "130.0");
  Select({"Room 102"}, false);
  boxes().QueueAnswer(ui::vbIgnore, "Error updating \r\n");
  Apply();
  EXPECT_EQ(MaxSendTime(Room("Room 101")), "130.0");
  EXPECT_EQ(MaxSendTime(Room("Room 102")), "120.0");
  EXPECT_EQ(Nci(kMaxSendTimeRow).Text(), "130.0");
  EXPECT_EQ(tables().NciTable[kMaxSendTimeRow].NciValue, "130.0");
  EXPECT_FALSE(Red(Nci(kMaxSendTimeRow)));
  EXPECT_FALSE(ApplyAndCancelEnabled());

  // The edited device refuses: the others take the value, its box keeps it marked for a later Apply.
  Room("Room 102").PutFault({});
  Room("Room 101").PutFault({.refuseWrites = 6});
  Enter(Nci(kMaxSendTimeRow), "140.0");
  boxes().QueueAnswer(ui::vbIgnore, "Error updating \r\n");
  Apply();
  EXPECT_EQ(MaxSendTime(Room("Room 101")), "130.0");
  EXPECT_EQ(MaxSendTime(Room("Room 102")), "140.0");
  EXPECT_EQ(Nci(kMaxSendTimeRow).Text(), "140.0");
  EXPECT_EQ(tables().NciTable[kMaxSendTimeRow].NciValue, "130.0");
  EXPECT_TRUE(Red(Nci(kMaxSendTimeRow)));
  EXPECT_TRUE(ApplyAndCancelEnabled());
  EXPECT_EQ(LogLines(WrittenLine("Room 101", "SCPTmaxSendTime", "130.0")), 1);

  // With the synchronise option, the last device refusing a row leaves the edited device's value shown.
  BlockProperty(Room("Room 102"), 3, 0, 49).PutValue("77.0");
  Enter(Nci(kMaxSendTimeRow), "150.0");
  qvr::fStatus& status = program().Windows().Get<qvr::fStatus>(program());
  status.Lbl_Parameters.OnChange = [&] {
    if (status.Lbl_Devices.Caption() == "2 / 2" && status.Lbl_Parameters.Caption() == "4 / 56") {
      Room("Room 102").PutFault({.refuseWrites = 6});
    }
  };
  Select({}, true);  // Room 102 stays checked
  boxes().QueueAnswer(ui::vbIgnore, "Error updating \r\n");
  Apply();
  EXPECT_EQ(boxes().PendingAnswers(), 0u);
  EXPECT_EQ(MaxSendTime(Room("Room 101")), "150.0");
  EXPECT_EQ(MaxSendTime(Room("Room 102")), "77.0");
  EXPECT_EQ(Nci(kMaxSendTimeRow).Text(), "150.0");
  EXPECT_EQ(tables().NciTable[kMaxSendTimeRow].NciValue, "150.0");
  EXPECT_FALSE(Red(Nci(kMaxSendTimeRow)));
  ExpectTransferOver();
}

TEST_F(TransferTest, ADeviceThatCannotBeReachedIsPassedOverAfterIgnore) {
  Enter(Nci(kMaxSendTimeRow), "150.0");
  ASSERT_TRUE(Red(Nci(kMaxSendTimeRow)));
  Select({"Room 103"}, false);
  // The first slot names a position beyond the template's devices, as after a device was deleted.
  program().mainwindow.SelectedDevices[1].Index = 99;
  boxes().QueueAnswer(ui::vbIgnore, "Error updating \r\n");

  Apply();

  // One question for the device, none for each of its rows; the next device is written.
  EXPECT_EQ(boxes().Shown().size(), 1u);
  EXPECT_EQ(ErrorLinesEndingWith(MsgMain(35)), 5);
  EXPECT_EQ(MaxSendTime(Room("Room 101")), "120.0");
  EXPECT_EQ(MaxSendTime(Room("Room 103")), "150.0");
  ExpectTransferOver();
}

TEST_F(TransferTest, ADeviceThatNoLongerHoldsItsPlaceIsNotWritten) {
  Enter(Nci(kMaxSendTimeRow), "150.0");
  Select({"Room 102"}, false);
  // Another program removed a device meanwhile: Room 103 has moved up to the place chosen for Room 102.
  auto& slots = program().mainwindow.SelectedDevices;
  ASSERT_EQ(slots[2].Name, "Room 102");
  slots[2].Index = static_cast<std::int16_t>(slots[2].Index + 1);
  const std::string room103 = MaxSendTime(Room("Room 103"));

  Apply();

  EXPECT_EQ(MaxSendTime(Room("Room 101")), "150.0");
  EXPECT_EQ(MaxSendTime(Room("Room 103")), room103);
  EXPECT_NE(MaxSendTime(Room("Room 102")), "150.0");
  EXPECT_EQ(LogLines("Room 102 not written: the device at its place in the network is now Room 103", true),
            1);
  EXPECT_EQ(LogLines(WrittenLine("Room 103", "SCPTmaxSendTime", "150.0")), 0);
  EXPECT_TRUE(boxes().Shown().empty());
  ExpectTransferOver();
}

TEST_F(TransferTest, ClosingTheStatusWindowCancelsTheTransfer) {
  Enter(Nci(kMaxSendTimeRow), "150.0");
  ASSERT_TRUE(Red(Nci(kMaxSendTimeRow)));
  Select({"Room 102", "Room 103"}, false);
  const std::string monitoringOn = Panel(5);
  ASSERT_EQ(monitoringOn, MsgMain(23));

  // The user closes the status window as soon as the second device is under way.
  bool buttonsHeld = false;
  std::function<void()> closeAtSecondDevice = [&] {
    auto* status = program().Windows().Find<qvr::fStatus>();
    if (status != nullptr && status->IsLoaded() && status->Lbl_Devices.Caption() == "2 / 3") {
      buttonsHeld = !window().cmdCancel.Enabled() && !window().cmdGerAuswahl.Enabled();
      status->UserCloses();
      return;
    }
    services().TestLoop().Post(closeAtSecondDevice);
  };
  services().TestLoop().Post(closeAtSecondDevice);
  Apply();

  EXPECT_TRUE(buttonsHeld);
  EXPECT_EQ(services().TestLoop().PendingCount(), 0u);
  EXPECT_EQ(MaxSendTime(Room("Room 101")), "150.0");
  EXPECT_NE(MaxSendTime(Room("Room 102")), "150.0");
  EXPECT_NE(MaxSendTime(Room("Room 103")), "150.0");
  // The run ends at once: the box keeps its edit, Apply and Cancel their state; the monitoring that the
  // ticked box asks for runs again.
  EXPECT_TRUE(Red(Nci(kMaxSendTimeRow)));
  EXPECT_TRUE(ApplyAndCancelEnabled());
  EXPECT_EQ(window().chkMonitor.Value(), ui::vbChecked);
  EXPECT_EQ(Panel(5), monitoringOn);
  const std::int16_t output = program().datapoints.NvoTable[0].NvoIndex;
  EXPECT_TRUE(Room("Room 101").GetInterface().GetNetworkVariables().ItemByIndex(output).GetMonitorEnable());
  EXPECT_EQ(LogLines(MsgMain(31), true), 0);
  ExpectTransferOver();
}

TEST_F(TransferTest, OpeningAnotherDeviceDropsTheSelectionAndApplyWritesTheDeviceBeingEdited) {
  // A device of the same model, and one of another model: neither keeps the selection made for Room 101.
  for (const std::string opened : {"Room 103", "Room 104"}) {
    const std::string selected = MaxSendTime(Room("Room 102"));
    const std::string previous = MaxSendTime(Room("Room 101"));
    Open("Floor 1", "Room 101");
    Select({"Room 102"}, true);
    ASSERT_EQ(program().mainwindow.SelectedCount, 2);
    Open("Floor 1", opened);
    EXPECT_EQ(program().mainwindow.SelectedCount, 0) << opened;
    Enter(Nci(kMaxSendTimeRow), "150.0");

    boxes().QueueAnswer(ui::vbYes, MsgMain(18));
    Apply();

    EXPECT_EQ(boxes().PendingAnswers(), 0u) << opened;
    EXPECT_EQ(MaxSendTime(Room(opened)), "150.0") << opened;
    EXPECT_EQ(MaxSendTime(Room("Room 102")), selected) << opened;
    EXPECT_EQ(MaxSendTime(Room("Room 101")), previous) << opened;
    EXPECT_FALSE(Red(Nci(kMaxSendTimeRow))) << opened;
    ExpectTransferOver();
  }
}

}  // namespace
}  // namespace mainwindow_test
