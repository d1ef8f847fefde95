// Apply: the user's edits go to the current device (the properties after a question, or to the devices
// chosen for a transfer), each logged with the value the device reads back, which becomes the stored value.

#include <cstddef>
#include <string>

#include "mainwindow/apply/ApplyRun.h"
#include "mainwindow/apply/fMainApplyParts.h"
#include "mainwindow/apply/fStatus.h"
#include "mainwindow/editors/ChangeMark.h"
#include "mainwindow/editors/MarkedRows.h"
#include "mainwindow/fMain.h"
#include "platform/runtime/Present.h"
#include "program/Program.h"
#include "texts/MainMessages.h"

namespace qvr {

namespace {

// Makes `run` the run in progress for as long as it lives, however the run ends.
class RunInProgress {
 public:
  RunInProgress(ApplyRun*& current, ApplyRun& run) : current_(current) { current_ = &run; }
  ~RunInProgress() { current_ = nullptr; }
  RunInProgress(const RunInProgress&) = delete;
  RunInProgress& operator=(const RunInProgress&) = delete;

 private:
  ApplyRun*& current_;
};

// The inputs: every red box is written; the stored value of every row but one whose write was passed over
// becomes its box's text. False when the run ended.
bool WriteInputs(ApplyRun& run, Program& program) {
  DataPointTables& tables = program.datapoints;
  for (int row = 0; row < tables.NviCount; ++row) {
    run.EndIfCancelled();
    if (run.Ended()) return false;
    DataPoint& input = tables.NviTable[static_cast<std::size_t>(row)];
    bool marked = false;
    if (!run.Step([&] { marked = IsMarkedChanged(runtime::Present(input.NviTextBox)); })) return false;
    if (marked) {
      const ApplyRun::StepOutcome written = run.WriteInput(row);
      if (written == ApplyRun::StepOutcome::RunEnded) return false;
      // The device still holds the stored value; the box keeps the user's, marked.
      if (written == ApplyRun::StepOutcome::PassedOver) continue;
    }
    if (!run.Step([&] { input.NviValue = runtime::Present(input.NviTextBox).Text(); })) return false;
  }
  return true;
}

// The red properties to the current device. False when the run ended.
bool WritePropertiesToCurrentDevice(ApplyRun& run, Program& program) {
  run.ClearParameterHeader();
  const DataPointTables& tables = program.datapoints;
  for (int row = 0; row < tables.NciCount; ++row) {
    run.EndIfCancelled();
    if (run.Ended()) return false;
    bool marked = false;
    if (!run.Step([&] {
          marked =
              IsMarkedChanged(runtime::Present(tables.NciTable[static_cast<std::size_t>(row)].NciTextBox));
        })) {
      return false;
    }
    if (!marked) continue;
    run.LogParameterHeader();
    if (run.WriteProperty(row, program.framework.CurrentDevice, ApplyRun::LogForm::CurrentDevice,
                          ApplyRun::ReadBackTo::StoredValueAndBox) == ApplyRun::StepOutcome::RunEnded) {
      return false;
    }
  }
  return true;
}

// A device-specific property that a synchronising transfer refused stays red: each gets the explanation
// in the log (a value a device refused has its error lines already). Apply and Cancel stay offered for
// every box still red. False when the run ended.
bool ReportRowsLeft(fMain& window, ApplyRun& run, Program& program) {
  const DataPointTables& tables = program.datapoints;
  const auto& texts = program.texts.MsgMain;
  for (int row = 0; row < tables.NciCount; ++row) {
    const DataPoint& property = tables.NciTable[static_cast<std::size_t>(row)];
    if (!run.Synchronised() || property.NciGeneral) continue;
    const bool goesOn = run.Step([&] {
      if (!IsMarkedChanged(runtime::Present(property.NciTextBox))) return;
      window.EchLog.ErrorLine("");
      for (std::size_t line = kMsgNotTransmittedFirst; line <= kMsgNotTransmittedLast; ++line) {
        window.EchLog.ErrorLine(texts[line]);
      }
    });
    if (!goesOn) return false;
  }
  window.UpdateApplyCancel();
  return true;
}

}  // namespace

void fMain::WireApplyCancelHandlers() {
  cmdApply.OnClick = [this] { cmdApply_Click(); };
  cmdCancel.OnClick = [this] { cmdCancel_Click(); };
}

void fMain::cmdApply_Click() {
  // A transfer yields to the event loop; a second click meanwhile must not start a run inside the run.
  if (ApplyRunning()) return;
  program_.framework.ReopenNetworkForUser();
  ApplyRun run(*this, program_);
  const RunInProgress inProgress(applyRun_, run);
  MainWindowState& sync = program_.mainwindow;
  ui::Screen& screen = program_.Ui().Screen();
  const auto endRun = [&] {
    if (run.Cancelled() && chkMonitor.Value() == ui::vbChecked && DeviceShownOnline()) Monitor_An(true);
    sync.SyncRunning = false;
    sync.SyncTarget.reset();
    screen.SetMousePointer(ui::vbDefault);
    program_.Windows().Unload<fStatus>();
  };

  sync.TransferCancelled = false;
  screen.SetMousePointer(ui::vbHourglass);
  if (DeviceShownOnline()) Monitor_An(false);
  if (!WriteInputs(run, program_)) return endRun();

  const bool propertiesMarked = AnyPropertyMarked(program_.datapoints);
  run.ClearParameterHeader();
  if (sync.SelectedCount > 0) {
    if (!run.WriteToSelectedDevices() || run.Ended()) return endRun();
  } else if (propertiesMarked) {
    const auto& texts = program_.texts.MsgMain;
    if (program_.Ui().MsgBox(texts[kMsgTransmitQuestion], ui::vbYesNo, texts[kMsgNoDeviceSelected]) ==
        ui::vbNo) {
      // The properties stay red for a transfer to chosen devices, which the selection button offers.
      sync.SyncRunning = false;
      if (cmdGerAuswahl.CanTakeFocus()) cmdGerAuswahl.SetFocus();
      if (DeviceShownOnline()) Monitor_An(true);
      screen.SetMousePointer(ui::vbDefault);
      return;
    }
    if (!WritePropertiesToCurrentDevice(run, program_)) return endRun();
  }

  if (!ReportRowsLeft(*this, run, program_)) return endRun();
  if (!RefreshCompositeParts(*this, run, program_)) return endRun();
  if (DeviceShownOnline()) Monitor_An(true);
  endRun();
}

}  // namespace qvr
