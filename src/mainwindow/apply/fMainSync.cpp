// Writing the configuration properties to several devices: the device-selection window's button and
// Apply's branch for the selected devices, with the transfer-status window.

#include <algorithm>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "mainwindow/apply/ApplyRows.h"
#include "mainwindow/apply/ApplyRun.h"
#include "mainwindow/apply/fGeraeteauswahl.h"
#include "mainwindow/apply/fStatus.h"
#include "mainwindow/device/ProgressPlacement.h"
#include "mainwindow/device/ProgressWindows.h"
#include "mainwindow/device/fProgress.h"
#include "mainwindow/device/fStartbild.h"
#include "mainwindow/editors/ChangeMark.h"
#include "mainwindow/fMain.h"
#include "platform/lns/LnsObjectModel.h"
#include "platform/runtime/Present.h"
#include "platform/ui/InputBlocked.h"
#include "program/Program.h"
#include "texts/MainMessages.h"

namespace qvr {

namespace {

// "2 / 5": the item being written of how many.
std::string ProgressText(long item, long count) {
  return std::to_string(item) + " / " + std::to_string(count);
}

// The main window stays alive while the transfer yields. What would start another run, edit, undo or
// load the values being written, change the selection being worked through or end the program waits
// until the transfer is over, and then has its state back.
class HeldDuringTransfer {
 public:
  explicit HeldDuringTransfer(std::vector<ui::Control*> controls) : controls_(std::move(controls)) {
    for (ui::Control* control : controls_) {
      wasEnabled_.push_back(control->Enabled());
      control->SetEnabled(false);
    }
  }
  HeldDuringTransfer(const HeldDuringTransfer&) = delete;
  HeldDuringTransfer& operator=(const HeldDuringTransfer&) = delete;
  ~HeldDuringTransfer() {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
      // A main window that was closed meanwhile is not loaded again for its controls.
      if (!controls_[i]->Parent().IsLoaded()) continue;
      try {
        controls_[i]->SetEnabled(wasEnabled_[i]);
      } catch (const std::exception&) {
        // Nothing to do about a peer that fails here; the next change of the marks sets the buttons.
      }
    }
  }

 private:
  std::vector<ui::Control*> controls_;
  std::vector<bool> wasEnabled_;
};

// Every element of the control arrays `arrays`, for HeldDuringTransfer.
template <class... Arrays>
std::vector<ui::Control*> ElementsOf(const Arrays&... arrays) {
  std::vector<ui::Control*> elements;
  const auto add = [&](const auto& array) {
    for (int index : array.Indexes()) elements.push_back(&array[index]);
  };
  (add(arrays), ...);
  return elements;
}

// What the transfer holds: the buttons and menu entries that would disturb it, and every control that
// edits a value. An edit made meanwhile would reach only the devices written after it, and the box would
// end up unmarked although the device being edited does not hold its value.
std::vector<ui::Control*> HeldControls(fMain& window) {
  std::vector<ui::Control*> held =
      ElementsOf(window.txtNci, window.txtNvi, window.txtnviset, window.cmb_nci, window.cmb_nvi,
                 window.UpD_nci, window.UpD_nvi, window.cmd_Nvi_Reset);
  held.insert(held.end(), {&window.cmdApply, &window.cmdCancel, &window.cmdGerAuswahl,
                           &window.mnuParameter_laden, &window.mnuExit});
  return held;
}

// The device found at the chosen device's place, or nothing (with an error line) when another device has
// taken that place since the choice: a device added or removed meanwhile, by this or another program,
// shifts the places, and the chosen device's values must not go to its neighbour.
std::optional<lns::LnsAppDevice> StillAtItsPlace(const lns::LnsAppDevice& found, const SelectedDevice& chosen,
                                                 ui::LogControl& log) {
  const std::string name = found.GetName();
  if (name == chosen.Name) return found;
  log.ErrorLine(chosen.Name + " not written: the device at its place in the network is now " + name);
  return std::nullopt;
}

}  // namespace

void fMain::WireSyncHandlers() {
  cmdGerAuswahl.OnClick = [this] { cmdGerAuswahl_Click(); };
}

void fMain::cmdGerAuswahl_Click() {
  if (ApplyRunning()) return;
  program_.framework.ReopenNetworkForUser();
  // The selection is built for the device being edited: a director's command waits until it is closed.
  const auto held = HoldDirectorCalls();
  try {
    fGeraeteauswahl* window = nullptr;
    {
      // Painting the status lets window events run: meanwhile the main window takes no input, so that
      // no click opens the selection a second time.
      const ui::InputBlocked blocked(*this);
      program_.fStartbild().Show();
      qvr::fProgress& progress = program_.fProgress();
      PlaceProgressForMainWindow(program_, progress);
      progress.Show(ui::Modality::Modeless, this);
      progress.ShowStatus(program_.texts.MsgMain[kMsgSearchingDevices]);
      // A tree built for another device would check the wrong node and could offer another template's
      // devices: it is built again.
      auto* selection = program_.Windows().Find<fGeraeteauswahl>();
      if (selection != nullptr && selection->IsLoaded() && !selection->BuiltForCurrentDevice()) {
        selection->Unload();
      }
      window = &program_.Windows().Get<fGeraeteauswahl>(program_);
      CloseProgressWindows(program_);
    }
    window->Show(ui::Modality::Modal, this);
  } catch (const std::exception&) {
    CloseProgressWindows(program_);
    program_.Ui().MsgBox("Error: cmdGerAuswahl(fMain)", ui::vbOKOnly);
  }
}

bool ApplyRun::WriteToSelectedDevices() {
  MainWindowState& sync = program_.mainwindow;
  DataPointTables& tables = program_.datapoints;
  const auto* selection = program_.Windows().Find<fGeraeteauswahl>();
  // Device positions of another template (a device of another model opened since the selection was made)
  // would send these boxes to devices they do not fit: the selection is dropped and nothing is written.
  if (selection == nullptr || !selection->SelectionFitsCurrentDevice()) {
    sync.SelectedCount = 0;
    program_.Windows().Unload<fGeraeteauswahl>();
    window_.EchLog.ErrorLine(program_.texts.MsgMain[kMsgNoDeviceSelected]);
    return true;
  }
  const bool synchronise = selection->SynchroniseChosen();
  synchronised_ = synchronise;
  const std::int16_t deviceCount = sync.SelectedCount;
  const std::int16_t rowCount = tables.NciCount;
  // Without the synchronise option the boxes stay red until every device is written: the rows the device
  // being edited took, whose boxes then show what it holds.
  std::vector<bool> takenByEdited(static_cast<std::size_t>(rowCount), false);
  const HeldDuringTransfer held(HeldControls(window_));

  fStatus& status = program_.Windows().Get<fStatus>(program_);
  status.Show(ui::Modality::Modeless, &window_);
  status.StartTransfer();
  // A progress bar needs a range of at least one.
  status.Progr_Devices.SetMax(std::max<float>(deviceCount, 1));
  status.Progr_Parameter.SetMax(std::max<float>(rowCount, 1));
  ui::Services& ui = program_.Ui();

  for (std::int16_t slot = 1; slot <= deviceCount; ++slot) {
    EndIfCancelled();
    if (Ended()) return false;
    status.Progr_Devices.SetValue(slot);
    status.Lbl_Devices.SetCaption(ProgressText(slot, deviceCount));
    const SelectedDevice& chosen = sync.SelectedDevices.at(static_cast<std::size_t>(slot));
    std::optional<lns::LnsAppDevice> found;
    const bool reached = Step(
        [&] { found = runtime::Present(sync.CurrentDeviceTemplate).GetAppDevices().Item(chosen.Index); });
    if (!reached) return false;
    // A device the user chose to pass over (Ignore) has no property to write: on to the next one, and so
    // has one whose name could not be checked.
    std::optional<lns::LnsAppDevice> device;
    if (found && !Step([&] { device = StillAtItsPlace(*found, chosen, window_.EchLog); })) return false;
    if (!device) continue;
    // From here on property addresses resolve on this device.
    sync.SyncTarget.reset();  // a failing look-up leaves no earlier device to write to
    // The boxes and stored values are the device being edited's: only its read-back goes there.
    bool edited = false;
    if (!Step([&] {
          edited = device->GetNodeId() == runtime::Present(program_.framework.CurrentDevice).GetNodeId();
          sync.SyncTarget = device->GetInterface();
        })) {
      return false;
    }
    sync.SyncRunning = true;
    sync.SyncDevice = slot;
    writtenDevicePrefix_.reset();

    // With the synchronise option every device gets its own header; otherwise the run has one.
    if (synchronise) ClearParameterHeader();
    for (std::int16_t row = 0; row < rowCount; ++row) {
      EndIfCancelled();
      if (Ended()) return false;
      status.Progr_Parameter.SetValue(static_cast<float>(row + 1));
      status.Lbl_Parameters.SetCaption(ProgressText(row + 1, rowCount));
      const DataPoint& property = tables.NciTable[static_cast<std::size_t>(row)];
      if (synchronise) {
        LogParameterHeader();
        if (!property.NciGeneral) {
          window_.EchLog.ErrorLine(property.NciName + program_.texts.MsgMain[kMsgNotSynchronisable]);
        } else if (WriteProperty(row, device, LogForm::SelectedDevice,
                                 edited ? ReadBackTo::StoredValueAndBox : ReadBackTo::Log) ==
                   StepOutcome::RunEnded) {
          return false;
        }
      } else if (IsMarkedChanged(runtime::Present(property.NciTextBox))) {
        LogParameterHeader();
        const StepOutcome written = WriteProperty(row, device, LogForm::SelectedDevice,
                                                  edited ? ReadBackTo::StoredValue : ReadBackTo::Log);
        if (written == StepOutcome::RunEnded) return false;
        if (edited && written == StepOutcome::Done) takenByEdited[static_cast<std::size_t>(row)] = true;
      }
      ui.DoEvents();
    }
  }

  // The changed boxes kept the user's text for every device; those the device being edited took now show
  // what it holds. One it did not take keeps the user's value, marked.
  if (!synchronise) {
    for (std::int16_t row = 0; row < rowCount; ++row) {
      EndIfCancelled();
      if (Ended()) return false;
      const DataPoint& property = tables.NciTable[static_cast<std::size_t>(row)];
      ui::TextBox& box = runtime::Present(property.NciTextBox);
      if (!IsMarkedChanged(box) || !takenByEdited[static_cast<std::size_t>(row)]) continue;
      box.SetText(property.NciValue);
      UnmarkPropertyRow(window_, row);
    }
  }
  return true;
}

}  // namespace qvr
