// Opening a device in the main window: the host's device command, the device's state and its values.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "devicemodel/ApplyDeviceModel.h"
#include "devicemodel/ModelAdaptation.h"
#include "mainwindow/apply/ApplyRows.h"
#include "mainwindow/apply/fGeraeteauswahl.h"
#include "mainwindow/device/AbortableSteps.h"
#include "mainwindow/device/LoadDataPoints.h"
#include "mainwindow/device/ProgressWindows.h"
#include "mainwindow/device/RetryStep.h"
#include "mainwindow/device/ShownDevice.h"
#include "mainwindow/device/ShownValues.h"
#include "mainwindow/device/fProgress.h"
#include "mainwindow/fMain.h"
#include "mainwindow/files/fAbout.h"
#include "platform/lns/LnsObjectModel.h"
#include "platform/runtime/Present.h"
#include "platform/runtime/ResumeNext.h"
#include "platform/ui/InputBlocked.h"
#include "program/Program.h"
#include "services/TypeFiles.h"
#include "texts/MainMessages.h"

namespace qvr {

namespace {

// Panels of the status bar.
constexpr int kNamePanel = 1;
constexpr int kFamilyPanel = 2;
constexpr int kNeuronIdPanel = 3;

constexpr const char* kCommandFailed =
    "Error: ProcessDeviceCommand in fMain\r\nDevice not online? Press Ok to Resume...";

// The device-model service as the main window calls it: model group 100, with or without the decoding of
// the values just read into the editing controls.
void ApplyModelToWindow(Program& program, bool decodeValues) {
  std::string programId = runtime::Present(program.framework.CurrentDevice).GetProgramId();
  std::int16_t modelGroup = 100;
  std::int16_t fillForm = decodeValues ? -1 : 0;
  std::int16_t spare = 0;
  std::string itemKind;
  std::int16_t itemIndex = 0;
  ApplyDeviceModel(program, programId, modelGroup, fillForm, spare, itemKind, itemIndex);
}

// Empties one value field of the rows in use (the first `count` rows of `table`).
template <std::size_t N>
void ForgetValues(std::array<DataPoint, N>& table, std::int16_t count, std::string DataPoint::*value) {
  for (std::int16_t row = 0; row < count; ++row) (table[static_cast<std::size_t>(row)].*value).clear();
}

void ShowProgress(Program& program, std::size_t message) {
  program.fProgress().ShowStatus(program.texts.MsgMain[message]);
}

// A Yes/No question with the exclamation icon; true for Yes.
bool UserGoesOn(Program& program, std::size_t message) {
  return program.Ui().MsgBox(program.texts.MsgMain[message], ui::vbYesNo + ui::vbExclamation) == ui::vbYes;
}

// The maker's type files and the resource-file look-up for `device`, before it opens. False when the user
// chose not to go on without them.
bool ResourceFilesAccepted(Program& program, fMain& window, const lns::LnsAppDevice& device) {
  // Without the type files the look-up would find nothing: the question replaces it.
  if (!CheckTypeFilesInstalled(program)) return UserGoesOn(program, kMsgTypeFilesMissing);
  // A remote client's resource catalogue is not the server's: it has nothing to look up.
  if (program.framework.IsRemoteClient || window.DrfLookUp(device)) return true;
  return UserGoesOn(program, kMsgLonMarkModesNotSet);
}

// Works out the device-state text of panel 4 into `stateText`, each question a step of its own; the first
// condition that holds decides. False when the user aborted a step.
bool WorkOutDeviceState(Program& program, const std::function<bool(const std::function<void()>&)>& step,
                        std::string& stateText) {
  std::optional<lns::LnsAppDevice>& device = program.framework.CurrentDevice;
  // A question whose step failed and was ignored counts as a condition that does not hold.
  auto holds = [&](bool& answer, const std::function<bool()>& ask) {
    answer = false;
    return step([&] { answer = ask(); });
  };
  // An off-net system reaches no device, so nothing more is asked.
  bool offNet = false;
  if (!holds(offNet, [&] {
        return runtime::Present(program.framework.CurrentSystem).GetNetworkMode() == lns::kNetworkModeOffNet;
      })) {
    return false;
  }
  if (offNet) {
    stateText = "Offnet";
    return true;
  }
  bool commissioned = false;
  if (!holds(commissioned, [&] { return runtime::Present(device).GetCommissioned(); })) return false;
  if (!commissioned) {
    stateText = "Not Commissioned yet";
    return true;
  }
  bool stateUnknown = false;
  if (!step([&] { ShowProgress(program, kMsgTestingDevice); })) return false;
  if (!holds(stateUnknown, [&] { return runtime::Present(device).GetStateUnknownFlag(); })) return false;
  if (stateUnknown) {
    stateText = "?";
    return true;
  }
  if (!step([&] { ShowProgress(program, kMsgReadingState); })) return false;
  // After an ignored failure the state text already tells it; the state code does not replace it.
  return step([&] {
    const long state = runtime::Present(device).GetState();
    if (stateText.empty()) stateText = lns::DeviceStateName(state);
  });
}

}  // namespace

bool fMain::ProcessDeviceCommand(lns::LnsAppDevice& TheDevice, std::int32_t& /*commandId*/) {
  // While the device loads, the window shows the old device's values under the new one: it takes no
  // input, and another director's command waits.
  const auto held = RunDirectorsCommand();
  const ui::InputBlocked blocked(*this);
  bool loading = false;
  bool opened = false;
  const bool ranThrough = runtime::ResumeNext(program_.Err, [&] {
    // The questions come before anything changes: a declined device leaves the window, its device and its
    // monitoring as they were.
    if (!ResourceFilesAccepted(program_, *this, TheDevice)) {
      CloseProgressWindows(program_);
      return;
    }
    const ShownDevice shown(*this, program_);
    // Monitoring follows the device: it is switched off while the tables still describe the old device
    // (the box's click does that) and on again once the new device has been read.
    if (chkMonitor.Value() != ui::vbUnchecked) chkMonitor.SetValue(ui::vbUnchecked);
    loading = true;
    program_.framework.CurrentDevice = TheDevice;
    // The director's command has made the device's network current: the window's work goes on there.
    program_.framework.CurrentDeviceNetwork = {program_.framework.CurrentNetworkName,
                                               program_.framework.CurrentNetworkInterfaceName};
    program_.model.SettingsPending = true;
    // A device of no supported model has no family: the window must not keep the previous device's.
    ForgetFamily(program_);
    ApplyModelToWindow(program_, false);
    // The server reads the user's separator once, when it opens: the window's, just read, must be the one
    // it formats and parses the values of this command with, or Apply would write what it misread.
    lcaOS().PutDecimalSeparator(program_.model.DecimalSep);
    // An Abort while it loads gives the window back to the device it showed.
    if (!LoadDevice()) {  // it has closed the progress windows itself
      shown.PutBack();
      return;
    }
    opened = true;
    DiscardDeviceSelection(program_);
    chkMonitor.SetValue(ui::vbChecked);
    CloseProgressWindows(program_);
  });
  if (ranThrough) return opened;
  CloseProgressWindows(program_);
  program_.Ui().MsgBox(kCommandFailed, ui::vbOKCancel);
  // A failure after the load began leaves the new device current, however far it got.
  return loading;
}

bool fMain::LoadDevice() {
  std::optional<lns::LnsAppDevice>& device = program_.framework.CurrentDevice;
  std::string stateText;
  const RetryBox box(DescriptionThen(" in InitDevice"), "fMain InitDevice", ui::vbCritical,
                     [this] { CloseProgressWindows(program_); });
  // One step; an ignored failure shows in the state text. False after Abort.
  auto step = [&](const std::function<void()>& work) {
    const StepResult result = RetryStep(program_, box, work);
    if (result == StepResult::Ignored) stateText = program_.Err.Description + "initDevice";
    return result != StepResult::Aborted;
  };
  if (!step([&] { LoadDataPoints(program_, {&txtNci, &txtNvi, &txtNvo}); })) return false;
  if (!step([&] { NvCollection = runtime::Present(device).GetInterface().GetNetworkVariables(); }))
    return false;
  if (!WorkOutDeviceState(program_, step, stateText)) return false;
  if (!step([&] { PlugInStatus.Panels(kStatePanel).SetText(stateText); })) return false;

  if (!(SelectActiveTab() && ReadInitValues())) {
    CloseProgressWindows(program_);
    return false;
  }
  if (!step([&] { PlugInStatus.Panels(kNamePanel).SetText(runtime::Present(device).GetName()); }))
    return false;
  if (!step([&] { PlugInStatus.Panels(kFamilyPanel).SetText(program_.model.DeviceTypeName); })) return false;
  return step([&] {
    PlugInStatus.Panels(kNeuronIdPanel).SetText("NeuronID:  " + runtime::Present(device).GetNeuronId());
  });
}

bool fMain::ReadInitValues() {
  ui::Screen& screen = program_.Ui().Screen();
  DataPointTables& tables = program_.datapoints;
  AbortableSteps step(program_, RetryBox(DescriptionThen(" ReadInit"), "fMain in ReadInitValues(fMain)"));
  auto failed = [&] {
    screen.SetMousePointer(ui::vbDefault);
    CloseProgressWindows(program_);
    return false;
  };

  step([&] { screen.SetMousePointer(ui::vbHourglass); });
  step([&] { ShowProgress(program_, kMsgReadingValues); });
  // The network-variable values read when the device was opened may be old by now.
  step([&] { LoadDataPoints(program_, {&txtNci, &txtNvi, &txtNvo}); });
  step([&] { ShowProgress(program_, kMsgReadingValues); });
  // Loaded, not shown: the About box is ready (centred, in the interface language) when the menu shows it.
  step([&] { program_.Windows().Get<fAbout>(program_); });

  // Nothing of the previous device stays in view; a property that cannot be read, or is not reached after
  // an Abort, keeps no stored value of it either.
  step([&] {
    ClearShownValues(*this);
    ForgetValues(tables.NciTable, tables.NciCount, &DataPoint::NciValue);
  });
  bool online = false;
  step([&] { online = DeviceShownOnline(); });
  // An offline device has no current values: its boxes stay empty, and so do the rows that Cancel, print
  // and the change marks compare with.
  if (!online) {
    step([&] {
      ForgetValues(tables.NviTable, tables.NviCount, &DataPoint::NviValue);
      ForgetValues(tables.NvoTable, tables.NvoCount, &DataPoint::NvoValue);
    });
  }
  for (std::int16_t row = 0; online && row < tables.NviCount; ++row) {
    DataPoint& point = tables.NviTable[static_cast<std::size_t>(row)];
    step([&] {
      runtime::Present(point.NviTextBox).SetText(point.NviValue);
      UnmarkInputRow(*this, row);
    });
  }
  for (std::int16_t row = 0; online && row < tables.NvoCount; ++row) {
    DataPoint& point = tables.NvoTable[static_cast<std::size_t>(row)];
    step([&] { runtime::Present(point.NvoTextBox).SetText(point.NvoValue); });
  }
  // Properties live in the network database, so they are read whatever the device's state. The stored
  // value goes first, so that the box's change handler finds both equal. A hidden window's handlers
  // mark nothing, so every box filled here is unmarked, or it would keep a mark of the previous device.
  for (std::int16_t row = 0; row < tables.NciCount && !step.Aborted(); ++row) {
    DataPoint& point = tables.NciTable[static_cast<std::size_t>(row)];
    std::optional<lns::LnsConfigProperty> property;
    step([&] { property = GetNciObject(point.NciKey); });
    step([&] { point.NciValue = runtime::Present(property).GetValue(); });
    step([&] {
      runtime::Present(point.NciTextBox).SetText(runtime::Present(property).GetValue());
      UnmarkPropertyRow(*this, row);
    });
  }
  if (step.Aborted()) return failed();

  if (!runtime::ResumeNext(program_.Err, [&] { ApplyModelToWindow(program_, true); })) {
    CloseProgressWindows(program_);
    return false;
  }
  UpdateApplyCancel();
  screen.SetMousePointer(ui::vbDefault);
  return true;
}

bool fMain::SelectActiveTab() {
  const RetryBox box(DescriptionThen("in SelectActiveTab(fMain)"));
  return RetryStep(program_, box, [this] { tabData.SetTab(0); }) != StepResult::Aborted;
}

}  // namespace qvr
