// Opening a device in the main window: its state in the status bar, its values in the boxes, monitoring
// following the device from one command to the next, and the Abort/Retry/Ignore boxes of the reading.

#include <algorithm>
#include <string>
#include <vector>

#include "DemoMachineFixture.h"
#include "program/Program.h"

namespace mainwindow_test {

using namespace testsupport;
namespace {

constexpr std::size_t kMsgTestingDevice = 3;
constexpr std::size_t kMsgReadingState = 4;
constexpr std::size_t kMsgReadingValues = 5;
constexpr std::size_t kMsgMonitoringOn = 23;

constexpr const char* kObjectNotSet = "Object variable or With block variable not set";

bool Contains(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// The monitoring tag of network variable `nvIndex` of `device` (0: not monitored).
long MonitorTag(const lns::LnsAppDevice& device, int nvIndex) {
  return device.GetInterface().GetNetworkVariables().ItemByIndex(nvIndex).GetMonitorTag();
}

TEST_F(DeviceCommandTest, OnlineDeviceFillsTheStatusBarAndStartsMonitoring) {
  const lns::LnsAppDevice room = Device("Floor 1", "Room 101");
  window().tabData.SetTab(3);
  Command(room);

  // The status bar's panels are compared with each model's reviewed snapshot.
  EXPECT_TRUE(boxes().Shown().empty());
  EXPECT_EQ(window().tabData.Tab(), 0);
  // The state is asked after "testing", the values read after "reading State".
  const auto at = [&](std::size_t message) {
    return std::find(progressTexts.begin(), progressTexts.end(), MsgMain(message)) - progressTexts.begin();
  };
  EXPECT_LT(at(kMsgTestingDevice), at(kMsgReadingState));
  EXPECT_LT(at(kMsgReadingState), at(kMsgReadingValues));
  EXPECT_LT(at(kMsgReadingValues), static_cast<long>(progressTexts.size()));

  EXPECT_EQ(window().chkMonitor.Value(), ui::vbChecked);
  EXPECT_EQ(Panel(5), MsgMain(kMsgMonitoringOn));
  EXPECT_EQ(MonitorTag(room, 9), 130);  // nviOcManOverride, row 0
  EXPECT_FALSE(ProgressWindowsLoaded());
  EXPECT_EQ(services().TestScreen().MousePointer(), ui::vbDefault);
}

// The device's answers hold the program's thread (1.3 s each on an FT-10 channel): each status is painted
// before the question it announces is asked.
TEST_F(DeviceCommandTest, EveryStatusOfTheOpeningIsPaintedBeforeItsWork) {
  Command(Device("Floor 1", "Room 101"));
  EXPECT_TRUE(Contains(progressTexts, MsgMain(kMsgTestingDevice)));
  EXPECT_EQ(paintedProgressTexts, progressTexts);
}

TEST_F(DeviceCommandTest, StateTextsFollowTheirOrder) {
  lns::LnsAppDevice room = Device("Floor 1", "Room 102");
  const std::vector<std::pair<long, std::string>> states = {{2, "Unconfigured"},  {3, "App'less"},
                                                            {4, "Cnfg Online"},   {6, "Cnfg Offline"},
                                                            {12, "Soft Offline"}, {140, "Cnfg Bypass"}};
  for (const auto& [state, text] : states) {
    room.PutState(state);
    Command(room);
    EXPECT_EQ(Panel(4), text) << "state " << state;
  }
  // The state-unknown flag comes before the state code, commissioning before both.
  room.PutState(4);
  room.PutStateUnknownFlag(true);
  Command(room);
  EXPECT_EQ(Panel(4), "?");
  room.PutCommissioned(false);
  Command(room);
  EXPECT_EQ(Panel(4), "Not Commissioned yet");
  EXPECT_TRUE(boxes().Shown().empty());
}

TEST_F(DeviceCommandTest, OffNetSystemShowsOffnetAndAsksTheDeviceNothing) {
  lns::LnsAppDevice room = Device("Floor 1", "Room 101");
  // Conditions that would show otherwise if they were asked.
  room.PutCommissioned(false);
  room.PutStateUnknownFlag(true);
  program().framework.CurrentSystem->PutNetworkMode(1);
  Command(room);

  EXPECT_EQ(Panel(4), "Offnet");
  EXPECT_FALSE(Contains(progressTexts, MsgMain(kMsgTestingDevice)));
  EXPECT_FALSE(Contains(progressTexts, MsgMain(kMsgReadingState)));
  EXPECT_TRUE(Contains(progressTexts, MsgMain(kMsgReadingValues)));
  // The properties come from the database all the same.
  EXPECT_EQ(window().txtNci[11].Text(), BlockProperty(room, 4, 0, 82).GetValue());
  EXPECT_EQ(window().chkMonitor.Value(), ui::vbUnchecked);
  EXPECT_TRUE(boxes().Shown().empty());
}

TEST_F(DeviceCommandTest, OfflineDeviceEmptiesTheVariableBoxesAndReadsTheProperties) {
  for (int box = 0; box < 25; ++box) window().txtNvi[box].SetText("earlier");
  for (int box = 0; box < 20; ++box) window().txtNvo[box].SetText("earlier");
  const lns::LnsAppDevice room = Device("Floor 1", "Room 103");
  Command(room);

  EXPECT_EQ(Panel(4), "Cnfg Offline");
  ASSERT_EQ(tables().NviCount, 25);
  for (int row = 0; row < tables().NviCount; ++row) EXPECT_EQ(window().txtNvi[row].Text(), "") << row;
  for (int row = 0; row < tables().NvoCount; ++row) EXPECT_EQ(window().txtNvo[row].Text(), "") << row;
  ASSERT_EQ(tables().NciCount, 56);
  for (int row = 0; row < tables().NciCount; ++row) {
    const qvr::DataPoint& point = tables().NciTable[static_cast<std::size_t>(row)];
    EXPECT_FALSE(point.NciValue.empty()) << row;
    EXPECT_EQ(window().txtNci[row].Text(), point.NciValue) << row;
    // Read quietly: the stored value was there before the box, so the box is not marked changed.
    EXPECT_NE(window().txtNci[row].ForeColor(), 255) << row;
  }
  EXPECT_EQ(window().txtNci[11].Text(), BlockProperty(room, 4, 0, 82).GetValue());
  EXPECT_EQ(window().chkMonitor.Value(), ui::vbUnchecked);
  EXPECT_EQ(MonitorTag(room, 9), 0);
  EXPECT_EQ(Panel(3), "NeuronID:  " + room.GetNeuronId());
}

TEST_F(DeviceCommandTest, SecondCommandReplacesTheDeviceAndMonitoringFollowsIt) {
  const lns::LnsAppDevice room101 = Device("Floor 1", "Room 101");
  const lns::LnsAppDevice room202 = Device("Floor 2", "Room 202");
  lns::LnsAppDevice room103 = Device("Floor 1", "Room 103");
  PutNv(room202, 14, "321");
  BlockProperty(room103, 4, 0, 82).PutValue("777");
  Command(room101);
  ASSERT_EQ(MonitorTag(room101, 9), 130);

  Command(room202);
  EXPECT_EQ(Panel(1), "Room 202");
  EXPECT_EQ(tables().NciCount, 37);
  EXPECT_EQ(window().txtNvi[6].Text(), "321");  // nviLcLuxLevel_1
  EXPECT_FALSE(window().tabData.TabShown(7));
  // The old device is no longer watched, the new one is.
  EXPECT_EQ(MonitorTag(room101, 9), 0);
  EXPECT_EQ(MonitorTag(room202, 9), 130);
  EXPECT_EQ(window().chkMonitor.Value(), ui::vbChecked);

  // An offline device replaces the properties and shows no variable values; nothing is watched any more.
  Command(room103);
  EXPECT_EQ(Panel(1), "Room 103");
  EXPECT_EQ(Panel(4), "Cnfg Offline");
  EXPECT_EQ(window().txtNci[11].Text(), "777");
  EXPECT_EQ(tables().NciTable[11].NciValue, "777");
  EXPECT_EQ(window().txtNvi[6].Text(), "");
  EXPECT_EQ(tables().NviTable[6].NviValue, "");
  EXPECT_EQ(MonitorTag(room202, 9), 0);
  EXPECT_EQ(window().chkMonitor.Value(), ui::vbUnchecked);
  EXPECT_TRUE(boxes().Shown().empty());
}

TEST_F(DeviceCommandTest, MinimisedWindowShowsTheDevicesName) {
  Command("Floor 1", "Room 101");
  window().UserSetsWindowState(ui::vbMinimized);
  EXPECT_EQ(window().Caption(), "Room 101");
  window().UserSetsWindowState(ui::vbNormal);
  EXPECT_EQ(window().Caption(), "Calyxtern Orvalis GmbH    ");
}

TEST_F(DeviceCommandTest, FailingStepOfTheOpeningRetriesIgnoresAndAborts) {
  program().framework.IsRemoteClient = true;
  Command("Floor 1", "Room 101");
  // The system reference is lost: the network mode cannot be asked.
  program().framework.CurrentSystem.reset();

  const std::string prompt = std::string(kObjectNotSet) + " in InitDevice";
  boxes().QueueAnswer(ui::vbRetry, prompt);
  boxes().QueueAnswer(ui::vbIgnore, prompt);
  Command("Floor 1", "Room 102");
  ASSERT_EQ(boxes().Shown().size(), 2u);
  for (const auto& shown : boxes().Shown()) {
    EXPECT_EQ(shown.request.prompt, prompt);
    EXPECT_EQ(shown.request.title, "fMain InitDevice");
    EXPECT_EQ(shown.request.icon, ui::MsgIcon::Critical);
    EXPECT_EQ(shown.request.buttons, (std::vector<int>{ui::vbAbort, ui::vbRetry, ui::vbIgnore}));
  }
  // After Ignore the error stands in place of the state; the device is opened all the same.
  EXPECT_EQ(Panel(4), std::string(kObjectNotSet) + "initDevice");
  EXPECT_EQ(Panel(1), "Room 102");
  EXPECT_EQ(window().chkMonitor.Value(), ui::vbUnchecked);

  boxes().QueueAnswer(ui::vbAbort, prompt);
  Command("Floor 1", "Room 101");
  EXPECT_EQ(boxes().Shown().size(), 3u);
  EXPECT_EQ(Panel(1), "Room 102");  // the device's panels are not written after Abort
  EXPECT_FALSE(ProgressWindowsLoaded());
  EXPECT_EQ(window().chkMonitor.Value(), ui::vbUnchecked);
}

TEST_F(DeviceCommandTest, HiddenFirstTabAbortsOrIsIgnored) {
  program().framework.IsRemoteClient = true;
  window().tabData.SetTabShown(0, false);

  boxes().QueueAnswer(ui::vbAbort, "in SelectActiveTab(fMain)");
  Command("Floor 1", "Room 101");
  ASSERT_EQ(boxes().Shown().size(), 1u);
  EXPECT_EQ(boxes().Shown()[0].request.title, qvr::Program::kApplicationTitle);
  EXPECT_EQ(boxes().Shown()[0].request.icon, ui::MsgIcon::Critical);
  // The window shows no device, as before the command.
  EXPECT_EQ(Panel(4), "");
  EXPECT_EQ(Panel(1), "");
  EXPECT_FALSE(program().framework.CurrentDevice);
  EXPECT_EQ(window().txtNci[11].Text(), "");
  EXPECT_EQ(window().chkMonitor.Value(), ui::vbUnchecked);
  EXPECT_FALSE(ProgressWindowsLoaded());

  boxes().QueueAnswer(ui::vbIgnore, "in SelectActiveTab(fMain)");
  Command("Floor 1", "Room 101");
  EXPECT_EQ(Panel(1), "Room 101");
  EXPECT_EQ(window().txtNci[11].Text(), "500");
  EXPECT_EQ(window().chkMonitor.Value(), ui::vbChecked);
}

TEST_F(DeviceCommandTest, MissingPropertyAbortsTheReadingOrIsPassedOver) {
  program().framework.IsRemoteClient = true;
  Command("Floor 1", "Room 101");
  const std::string before = tables().NciTable[10].NciValue;  // "N:3/C:0:88"
  ASSERT_FALSE(before.empty());

  // The same model without the property of row 10.
  lns::DeviceInterface interface = ModelInterface("qvrl206");
  std::erase_if(interface.configProperties, [](const lns::CpDefinition& cp) {
    return cp.owner == lns::CpOwner::NetworkVariable && cp.ownerIndex == 3 && cp.typeIndex == 88;
  });
  const lns::LnsAppDevice lab = LabDevice(interface);
  BlockProperty(lab, 4, 0, 82).PutValue("777");
  UseLabNetwork();
  const std::string separator = program().model.DecimalSep;
  ChangeRegionalSeparator(separator == "," ? "." : ",");

  // Abort: the reading ends, and the window goes on showing and monitoring the device before, its values
  // read, and written, with the separator they were read with.
  const std::string prompt = std::string(kObjectNotSet) + " ReadInit";
  boxes().QueueAnswer(ui::vbAbort, prompt);
  Command(lab);
  ASSERT_EQ(boxes().Shown().size(), 1u);
  EXPECT_EQ(boxes().Shown()[0].request.title, "fMain in ReadInitValues(fMain)");
  EXPECT_EQ(Panel(1), "Room 101");
  EXPECT_EQ(program().framework.CurrentDevice->GetName(), "Room 101");
  EXPECT_EQ(window().txtNci[11].Text(), "500");
  EXPECT_EQ(tables().NciTable[10].NciValue, before);
  EXPECT_EQ(program().model.DecimalSep, separator);
  EXPECT_EQ(window().lcaOS().GetDecimalSeparator(), separator);
  EXPECT_EQ(window().chkMonitor.Value(), ui::vbChecked);
  EXPECT_FALSE(ProgressWindowsLoaded());
  EXPECT_EQ(services().TestScreen().MousePointer(), ui::vbDefault);

  // Ignore for both reads of the row: it stays empty, and the next row is read.
  boxes().QueueAnswer(ui::vbIgnore, prompt);
  boxes().QueueAnswer(ui::vbIgnore, prompt);
  Command(lab);
  EXPECT_EQ(boxes().Shown().size(), 3u);
  EXPECT_EQ(tables().NciTable[10].NciValue, "");
  EXPECT_EQ(window().txtNci[10].Text(), "");
  EXPECT_EQ(tables().NciTable[11].NciValue, "777");
  EXPECT_EQ(window().txtNci[11].Text(), "777");
  EXPECT_EQ(Panel(1), lab.GetName());
  EXPECT_EQ(window().chkMonitor.Value(), ui::vbChecked);
}

}  // namespace
}  // namespace mainwindow_test
