// Monitoring: the Object Server watches every network variable of the tables while the device is online
// and reports new values, which go into the table and the box unless the user is editing that input.

#include <cmath>
#include <functional>
#include <limits>

#include "mainwindow/device/AbortableSteps.h"
#include "mainwindow/device/ProgressWindows.h"
#include "mainwindow/editors/RegionalNumber.h"
#include "mainwindow/fMain.h"
#include "platform/CountedScope.h"
#include "platform/lns/LnsInterface.h"
#include "platform/lns/LnsNetworkVariable.h"
#include "platform/runtime/Present.h"
#include "program/Program.h"
#include "texts/MainMessages.h"

namespace qvr {

namespace {

constexpr int kMonitorPanel = 5;

constexpr const char* kDefaultPollSeconds = "5";
// Monitor mode 3: poll the variable and report every value read.
constexpr long kPollAndReport = 3;

// The poll box's seconds in the Object Server's tenths, halves rounded to even.
long PollIntervalTenths(const std::string& text, const std::string& decimalSep) {
  const std::optional<double> seconds = ParseRegionalNumber(text, decimalSep);
  if (!seconds) runtime::RaiseTypeMismatch();
  const double tenths = std::nearbyint(*seconds * 10);
  if (tenths < static_cast<double>(std::numeric_limits<std::int32_t>::min()) ||
      tenths > static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
    runtime::RaiseOverflow();
  }
  return static_cast<long>(tenths);
}

// Each setting is a step of its own, so that Retry and Ignore act on the one that failed. The poll
// interval is read from the poll box anew for every variable.
void StartMonitoring(AbortableSteps& step, std::optional<lns::LnsNetworkVariable>& nv, long tag, bool optionB,
                     const std::function<long()>& pollTenths) {
  step([&] { runtime::Present(nv).PutMonitorSuspended(true); });
  step([&] { runtime::Present(nv).PutMonitorPollInterval(pollTenths()); });
  step([&] { runtime::Present(nv).PutMonitorEnable(true); });
  step([&] { runtime::Present(nv).PutMonitorOptionA(true); });
  if (optionB) step([&] { runtime::Present(nv).PutMonitorOptionB(true); });
  step([&] { runtime::Present(nv).PutMonitorMode(kPollAndReport); });
  step([&] { runtime::Present(nv).PutMonitorSuspended(false); });
  step([&] { runtime::Present(nv).PutMonitorTag(tag); });
}

// A variable without a tag is not ours to switch off.
void StopMonitoring(AbortableSteps& step, std::optional<lns::LnsNetworkVariable>& nv) {
  long currentTag = 0;
  step([&] { currentTag = runtime::Present(nv).GetMonitorTag(); });
  if (currentTag == 0) return;
  step([&] { runtime::Present(nv).PutMonitorSuspended(true); });
  step([&] { runtime::Present(nv).PutMonitorTag(0); });
  step([&] { runtime::Present(nv).PutMonitorEnable(false); });
  step([&] { runtime::Present(nv).PutMonitorSuspended(false); });
}

}  // namespace

std::array<lns::LnsSubscription, 3> fMain::WireMonitoring() {
  chkMonitor.OnClick = [this] { chkMonitor_Click(); };
  txtPoll.OnChange = [this] { txtPoll_Change(); };
  txtPoll.OnKeyPress = [this](int& KeyAscii) { txtPoll_KeyPress(KeyAscii); };
  txtPoll.OnLostFocus = [this] { txtPoll_LostFocus(); };
  cmd_Poll_ok.OnClick = [this] { cmd_Poll_ok_Click(); };
  // An unloaded window takes no values: writing one into it would load it again.
  return {lcaOS_->OnNetworkVariableUpdate(
              [this](const long& tag, const std::string& value, const lns::LnsNetworkVariable&) {
                if (IsLoaded()) lcaOS_OnNetworkVariableUpdate(tag, value);
              }),
          lcaOS_->OnNvUpdateError([this](const long& tag, const lns::LnsError&) {
            if (IsLoaded()) lcaOS_OnNvUpdateError(tag);
          }),
          lcaOS_->OnServerEvent9([this] {
            if (IsLoaded()) lcaOS_ServerEvent9();
          })};
}

void fMain::EndMonitoring() {
  // Unticking switches monitoring off through the box's handler.
  if (IsLoaded() && chkMonitor.Value() != ui::vbUnchecked) chkMonitor.SetValue(ui::vbUnchecked);
}

void fMain::lcaOS_ServerEvent9() {
  if (ui::Form* active = program_.App().ActiveForm()) active->Refresh();
}

void fMain::Monitor_An(bool bOn) {
  AbortableSteps step(program_, {DescriptionThen(" Monitor_An(fmain)"), "", ui::vbCritical, {}});
  std::optional<lns::LnsNetworkVariables> variables;
  step([&] {
    variables = runtime::Present(program_.framework.CurrentDevice).GetInterface().GetNetworkVariables();
  });

  const auto pollTenths = [this] { return PollIntervalTenths(txtPoll.Text(), program_.model.DecimalSep); };
  const auto switchRow = [&](std::int16_t nvIndex, long tag, bool optionB) {
    std::optional<lns::LnsNetworkVariable> nv;
    step([&] { nv = runtime::Present(variables).ItemByIndex(nvIndex); });
    if (bOn) {
      StartMonitoring(step, nv, tag, optionB, pollTenths);
    } else {
      StopMonitoring(step, nv);
    }
  };
  const DataPointTables& tables = program_.datapoints;
  // Option B is set for inputs only.
  for (int row = 0; row < tables.NviCount && !step.Aborted(); ++row) {
    switchRow(tables.NviTable[row].NviIndex, tables.NviTable[row].NvTag, true);
  }
  for (int row = 0; row < tables.NvoCount && !step.Aborted(); ++row) {
    switchRow(tables.NvoTable[row].NvoIndex, tables.NvoTable[row].NvTag, false);
  }

  const auto& texts = program_.texts.MsgMain;
  ui::StatusBar::Panel monitorPanel = PlugInStatus.Panels(kMonitorPanel);
  if (step.Aborted()) {
    program_.Ui().Screen().SetMousePointer(ui::vbDefault);
    CloseProgressWindows(program_);
    monitorPanel.SetText(texts[kMsgMonitoringOff]);
    // Unticking switches off again through the box's handler while the device is online.
    chkMonitor.SetValue(ui::vbUnchecked);
    monitorPanel.SetText(texts[kMsgMonitoringOff]);
    return;
  }
  const bool shownOn = bOn && chkMonitor.Value() != ui::vbUnchecked;
  monitorPanel.SetText(texts[shownOn ? kMsgMonitoringOn : kMsgMonitoringOff]);
}

void fMain::chkMonitor_Click() {
  if (monitorTickReopens_ > 0) return;
  try {
    if (chkMonitor.Value() != ui::vbUnchecked) {
      {
        const platform::CountedScope reopening(monitorTickReopens_);
        program_.framework.ReopenNetworkForUser();
      }
      // An opening that had to switch the server's mode closed it first, which unticked the box: the
      // user's tick stands, and its own click switches monitoring on.
      if (chkMonitor.Value() == ui::vbUnchecked) return chkMonitor.SetValue(ui::vbChecked);
    }
    if (DeviceShownOnline()) {
      Monitor_An(chkMonitor.Value() != ui::vbUnchecked);
    } else {
      chkMonitor.SetValue(ui::vbUnchecked);
    }
  } catch (const std::exception&) {
    program_.Ui().MsgBox("Error: chkMonitor_Click(fMain)", ui::vbOKOnly);
  }
}

void fMain::txtPoll_Change() {
  cmd_Poll_ok.SetVisible(true);
}

void fMain::txtPoll_KeyPress(int& KeyAscii) {
  const bool digit = KeyAscii >= '0' && KeyAscii <= '9';
  if (!digit && KeyAscii != ui::vbKeyBack) KeyAscii = 0;
}

void fMain::txtPoll_LostFocus() {
  if (txtPoll.Text().empty()) txtPoll.SetText(kDefaultPollSeconds);
}

void fMain::cmd_Poll_ok_Click() {
  ui::Screen& screen = program_.Ui().Screen();
  try {
    PollIntervalTenths(txtPoll.Text(), program_.model.DecimalSep);
    if (chkMonitor.Value() == ui::vbChecked) {
      screen.SetMousePointer(ui::vbHourglass);
      Monitor_An(false);
      Monitor_An(true);
    }
    cmd_Poll_ok.SetVisible(false);
  } catch (const std::exception&) {
    EchLog.ErrorLine("Error: not a number");
    txtPoll.SetText(kDefaultPollSeconds);
  }
  screen.SetMousePointer(ui::vbDefault);
}

void fMain::lcaOS_OnNetworkVariableUpdate(const long& tag, const std::string& value) {
  try {
    DataPointTables& tables = program_.datapoints;
    for (int row = 0; row < tables.NviCount; ++row) {
      DataPoint& input = tables.NviTable[row];
      if (input.NvTag != tag) continue;
      ui::TextBox& box = runtime::Present(input.NviTextBox);
      // A red box is being edited: the user's value must not be overwritten.
      if (box.ForeColor() == ui::vbRed) return;
      // The stored value first, so that the box's change handler finds both equal and leaves it unmarked.
      input.NviValue = value;
      box.SetText(value);
    }
    for (int row = 0; row < tables.NvoCount; ++row) {
      DataPoint& output = tables.NvoTable[row];
      if (output.NvTag != tag) continue;
      output.NvoValue = value;
      runtime::Present(output.NvoTextBox).SetText(value);
    }
  } catch (const std::exception& error) {
    program_.Ui().MsgBox(std::string("Error: lcaOs_OnNetworkVariableUpdate(fMain)") + error.what(),
                         ui::vbOKOnly);
  }
}

void fMain::lcaOS_OnNvUpdateError(const long& tag) {
  try {
    const DataPointTables& tables = program_.datapoints;
    for (int row = 0; row < tables.NviCount; ++row) {
      if (tables.NviTable[row].NvTag == tag)
        EchLog.ErrorLine("Nv update error: " + tables.NviTable[row].NviName);
    }
    for (int row = 0; row < tables.NvoCount; ++row) {
      if (tables.NvoTable[row].NvTag == tag)
        EchLog.ErrorLine("Nv update error: " + tables.NvoTable[row].NvoName);
    }
  } catch (const std::exception& error) {
    EchLog.ErrorLine(std::string("Error: lcaOs_OnNvUpdateError  ") + error.what());
  }
}

}  // namespace qvr
