// Monitoring of a device's network variables through the main window's controls and the Object Server's
// polling: the settings sent to every variable, the values stored unless the input is being edited, update
// errors in the log, the poll box and the monitoring check box.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "DemoDevices.h"
#include "mainwindow/device/fProgress.h"
#include "mainwindow/device/fStartbild.h"
#include "mainwindow/fMain.h"
#include "platform/ui/headless/HeadlessServices.h"
#include "program/Program.h"

namespace {

class MonitoringTest : public testsupport::DemoDevicesTest {
 protected:
  void SetUp() override {
    device_ = Device("Floor 1", "Room 102");  // qvrl206: 25 inputs, 20 outputs
    Load(*device_);
    window().PlugInStatus.Panels(4).SetText("Cnfg Online");
    program().model.DecimalSep = ",";
  }

  qvr::fMain& window() { return program().fMain(); }
  ui::HeadlessServices& services() { return static_cast<ui::HeadlessServices&>(program().Ui()); }
  lns::LnsNetworkVariable Nv(int nvIndex) {
    return device_->GetInterface().GetNetworkVariables().ItemByIndex(nvIndex);
  }
  std::string MonitorPanel() { return window().PlugInStatus.Panels(5).Text(); }
  void Advance(std::int64_t milliseconds) { services().TestLoop().Advance(milliseconds); }

  // Every variable of the tables: monitored with `pollTenths` and its row's tag, option B for inputs only.
  void ExpectAllMonitored(long pollTenths) {
    const qvr::DataPointTables& t = tables();
    std::vector<std::tuple<std::string, int, long, bool>> variables;  // name, index, tag, is an input
    for (int row = 0; row < t.NviCount; ++row)
      variables.emplace_back(t.NviTable[row].NviName, t.NviTable[row].NviIndex, t.NviTable[row].NvTag, true);
    for (int row = 0; row < t.NvoCount; ++row)
      variables.emplace_back(t.NvoTable[row].NvoName, t.NvoTable[row].NvoIndex, t.NvoTable[row].NvTag, false);
    for (const auto& [name, index, tag, input] : variables) {
      const lns::LnsNetworkVariable nv = Nv(index);
      EXPECT_EQ(nv.GetMonitorPollInterval(), pollTenths) << name;
      EXPECT_EQ(nv.GetMonitorTag(), tag) << name;
      EXPECT_TRUE(nv.GetMonitorEnable() && nv.GetMonitorOptionA()) << name;
      EXPECT_FALSE(nv.GetMonitorSuspended()) << name;
      EXPECT_EQ(nv.GetMonitorOptionB(), input) << name;
      EXPECT_EQ(nv.GetMonitorMode(), 3) << name;
    }
  }

  std::optional<lns::LnsAppDevice> device_;
};

TEST_F(MonitoringTest, TickingSendsThePollIntervalTimesTenAndEachRowsTagToEveryVariable) {
  ASSERT_EQ(tables().NviCount, 25);
  ASSERT_EQ(tables().NvoCount, 20);
  window().txtPoll.SetText("2");
  window().chkMonitor.UserClicks();
  EXPECT_EQ(window().chkMonitor.Value(), ui::vbChecked);
  ExpectAllMonitored(20);
  EXPECT_EQ(MonitorPanel(), "Monitoring On");

  window().chkMonitor.UserClicks();
  EXPECT_EQ(MonitorPanel(), "Monitoring Off");
  for (int row = 0; row < tables().NviCount; ++row) {
    const lns::LnsNetworkVariable nv = Nv(tables().NviTable[row].NviIndex);
    EXPECT_EQ(nv.GetMonitorTag(), 0);
    EXPECT_FALSE(nv.GetMonitorEnable());
    EXPECT_FALSE(nv.GetMonitorSuspended());
  }
  EXPECT_FALSE(Nv(tables().NvoTable[19].NvoIndex).GetMonitorEnable());
}

TEST_F(MonitoringTest, APollIntervalInTheUsersDecimalFormatIsRoundedToTenthsHalvesToEven) {
  const std::pair<const char*, long> cases[] = {
      {"0,5", 5}, {"0", 0}, {"1,25", 12}, {"1,35", 14}, {"12", 120}};
  for (const auto& [text, tenths] : cases) {
    SCOPED_TRACE(text);
    window().txtPoll.SetText(text);
    window().Monitor_An(true);
    EXPECT_EQ(Nv(tables().NviTable[0].NviIndex).GetMonitorPollInterval(), tenths);
    EXPECT_EQ(Nv(tables().NvoTable[0].NvoIndex).GetMonitorPollInterval(), tenths);
  }
  EXPECT_TRUE(services().Boxes().Shown().empty());
}

TEST_F(MonitoringTest, SwitchingOffLeavesVariablesWithoutATagAlone) {
  lns::LnsNetworkVariable untagged = Nv(tables().NviTable[3].NviIndex);
  untagged.PutMonitorEnable(true);
  untagged.PutMonitorPollInterval(70);
  window().Monitor_An(false);
  EXPECT_TRUE(untagged.GetMonitorEnable());
  EXPECT_EQ(untagged.GetMonitorPollInterval(), 70);
  EXPECT_EQ(MonitorPanel(), "Monitoring Off");
}

TEST_F(MonitoringTest, TheBoxRefusesToTickForADeviceThatIsNotOnline) {
  for (const char* state : {"Cnfg Offline", "Unconfigured", "?"}) {
    SCOPED_TRACE(state);
    window().PlugInStatus.Panels(4).SetText(state);
    window().chkMonitor.UserClicks();
    EXPECT_EQ(window().chkMonitor.Value(), ui::vbUnchecked);
    EXPECT_EQ(Nv(tables().NviTable[0].NviIndex).GetMonitorTag(), 0);
    EXPECT_FALSE(Nv(tables().NvoTable[0].NvoIndex).GetMonitorEnable());
    EXPECT_EQ(MonitorPanel(), "");
  }
}

TEST_F(MonitoringTest, UpdatesAreStoredUnlessTheInputBoxIsRed) {
  window().txtPoll.SetText("1");
  window().chkMonitor.SetValue(ui::vbChecked);
  qvr::DataPoint& luxInput = tables().NviTable[6];   // nviLcLuxLevel_1, NV 14
  qvr::DataPoint& luxOutput = tables().NvoTable[4];  // nvoLsLuxLevel, NV 3
  ASSERT_EQ(luxInput.NviName, "nviLcLuxLevel_1");
  ASSERT_EQ(luxOutput.NvoName, "nvoLsLuxLevel");
  ui::TextBox& inputBox = window().txtNvi[6];

  PutNv(*device_, 14, "750");
  PutNv(*device_, 3, "420");
  Advance(1000);
  EXPECT_EQ(luxInput.NviValue, "750");
  EXPECT_EQ(inputBox.Text(), "750");
  EXPECT_EQ(luxOutput.NvoValue, "420");
  EXPECT_EQ(window().txtNvo[4].Text(), "420");

  // The user is editing the input: the device's new value must not replace the edit.
  inputBox.SetText("999");
  inputBox.SetForeColor(ui::vbRed);
  PutNv(*device_, 14, "800");
  PutNv(*device_, 3, "430");
  Advance(1000);
  EXPECT_EQ(luxInput.NviValue, "750");
  EXPECT_EQ(inputBox.Text(), "999");
  EXPECT_EQ(luxOutput.NvoValue, "430");

  // Once the edit is done the updates flow again.
  inputBox.SetForeColor(ui::vbButtonText);
  Advance(1000);
  EXPECT_EQ(luxInput.NviValue, "800");
  EXPECT_EQ(inputBox.Text(), "800");
  EXPECT_TRUE(services().Boxes().Shown().empty());

  // Switched off, the device's values stay on the device.
  window().chkMonitor.SetValue(ui::vbUnchecked);
  PutNv(*device_, 3, "440");
  Advance(3000);
  EXPECT_EQ(luxOutput.NvoValue, "430");
}

TEST_F(MonitoringTest, AnUpdateThatCannotBeShownReportsItsError) {
  window().txtPoll.SetText("1");
  window().chkMonitor.SetValue(ui::vbChecked);
  tables().NvoTable[4].NvoTextBox = nullptr;
  services().Boxes().QueueAnswer(ui::vbOK);
  Advance(1000);
  ASSERT_EQ(services().Boxes().Shown().size(), 1u);
  const ui::MessageBoxRequest& box = services().Boxes().Shown()[0].request;
  EXPECT_EQ(box.prompt,
            "Error: lcaOs_OnNetworkVariableUpdate(fMain)Object variable or With block variable not set");
  EXPECT_EQ(box.style, ui::vbOKOnly);
}

TEST_F(MonitoringTest, AFailedPollLogsTheRowsNameForEachTag) {
  window().txtPoll.SetText("1");
  window().chkMonitor.SetValue(ui::vbChecked);
  lns::DeviceFault fault;
  fault.timesOut = true;
  device_->PutFault(fault);
  Advance(1000);
  const std::vector<std::string> errors = window().EchLog.ErrorLines();
  EXPECT_EQ(errors.size(), 45u);
  const auto logged = [&](const std::string& line) {
    return std::find(errors.begin(), errors.end(), line) != errors.end();
  };
  EXPECT_TRUE(logged("Nv update error: nviOcManOverride"));
  EXPECT_TRUE(logged("Nv update error: nviLcManOverride_2"));  // tag 170, out of the inputs' order
  EXPECT_TRUE(logged("Nv update error: nvoLcLampValue_1"));    // tag 205
  EXPECT_TRUE(logged("Nv update error: nvoDewPtSensor"));
  EXPECT_TRUE(services().Boxes().Shown().empty());
}

TEST_F(MonitoringTest, ThePollBoxTakesDigitsOnlyAndShowsItsOkButtonOnChange) {
  ui::TextBox& poll = window().txtPoll;
  EXPECT_FALSE(window().cmd_Poll_ok.Visible());
  window().Show();
  poll.SetFocus();
  poll.UserSelects(1, 0);
  for (int key : {int{'a'}, int{','}, int{'.'}, ui::vbKeyReturn, int{'-'}}) poll.UserTypes(key);
  EXPECT_EQ(poll.Text(), "5");
  EXPECT_FALSE(window().cmd_Poll_ok.Visible());
  poll.UserTypes('3');
  EXPECT_EQ(poll.Text(), "53");
  EXPECT_TRUE(window().cmd_Poll_ok.Visible());
  poll.UserTypes(ui::vbKeyBack);
  poll.UserTypes(ui::vbKeyBack);
  EXPECT_EQ(poll.Text(), "");
  window().cmdApply.SetEnabled(true);
  window().cmdApply.SetFocus();  // leaving the empty box puts the default back
  EXPECT_EQ(poll.Text(), "5");
}

TEST_F(MonitoringTest, ConfirmingThePollBoxRestartsMonitoringWithANumberAndRefusesAnythingElse) {
  window().chkMonitor.SetValue(ui::vbChecked);
  ExpectAllMonitored(50);
  window().txtPoll.UserSetsText("3");
  ASSERT_TRUE(window().cmd_Poll_ok.Visible());
  window().cmd_Poll_ok.UserClicks();
  ExpectAllMonitored(30);
  EXPECT_FALSE(window().cmd_Poll_ok.Visible());
  EXPECT_EQ(services().Screen().MousePointer(), ui::vbDefault);
  EXPECT_EQ(MonitorPanel(), "Monitoring On");
  EXPECT_TRUE(window().EchLog.ErrorLines().empty());

  // Pasted text is no number: the box gets its default back and monitoring stays as it was.
  window().txtPoll.UserSetsText("fast");
  window().cmd_Poll_ok.UserClicks();
  EXPECT_EQ(window().EchLog.ErrorLines(), std::vector<std::string>{"Error: not a number"});
  EXPECT_EQ(window().txtPoll.Text(), "5");
  EXPECT_TRUE(window().cmd_Poll_ok.Visible());
  ExpectAllMonitored(30);
  EXPECT_EQ(services().Screen().MousePointer(), ui::vbDefault);
  EXPECT_TRUE(services().Boxes().Shown().empty());
}

TEST_F(MonitoringTest, AStepThatFailsOffersAbortRetryIgnore) {
  window().txtPoll.UserSetsText("x");
  ui::HeadlessMessageBoxes& boxes = services().Boxes();
  // The first variable's poll interval fails twice (Retry, then Ignore), the second one's is aborted.
  boxes.QueueAnswer(ui::vbRetry, "Type mismatch Monitor_An(fmain)");
  boxes.QueueAnswer(ui::vbIgnore);
  boxes.QueueAnswer(ui::vbAbort);
  window().chkMonitor.UserClicks();

  ASSERT_EQ(boxes.Shown().size(), 3u);
  const ui::MessageBoxRequest& box = boxes.Shown()[0].request;
  EXPECT_EQ(box.prompt, "Type mismatch Monitor_An(fmain)");
  EXPECT_EQ(box.style, ui::vbAbortRetryIgnore + ui::vbCritical);
  EXPECT_EQ(box.title, qvr::Program::kApplicationTitle);

  // The ignored step left the first variable monitored with its tag; Abort switched everything off again.
  EXPECT_EQ(window().chkMonitor.Value(), ui::vbUnchecked);
  EXPECT_EQ(MonitorPanel(), "Monitoring Off");
  EXPECT_EQ(Nv(tables().NviTable[0].NviIndex).GetMonitorTag(), 0);
  EXPECT_FALSE(Nv(tables().NviTable[0].NviIndex).GetMonitorEnable());
  EXPECT_FALSE(program().Windows().Find<qvr::fProgress>()->IsLoaded());
  EXPECT_FALSE(program().Windows().Find<qvr::fStartbild>()->IsLoaded());
  EXPECT_EQ(services().Screen().MousePointer(), ui::vbDefault);
}

}  // namespace
