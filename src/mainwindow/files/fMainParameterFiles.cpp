// Parameter files: saving the device's property values and loading them back into the boxes.

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "datapoints/CompositeRows.h"
#include "datapoints/DataPoint.h"
#include "formats/ParameterFile.h"
#include "mainwindow/MenuCommand.h"
#include "mainwindow/editors/CompanionChoices.h"
#include "mainwindow/fMain.h"
#include "mainwindow/files/ProgramFolder.h"
#include "platform/runtime/SplitAt.h"
#include "program/Program.h"
#include "texts/MainMessages.h"

namespace qvr {

namespace {

// The save dialog's title reads the same in both languages.
constexpr const char* kSaveTitle = "Parameter(nci) speichern";
constexpr const char* kFilter = "Parameter (*.par)|*.par";

// The row whose value tells the decimal separator that the file was written with.
constexpr int kSeparatorWitnessRow = 15;
// Bit-field and hex texts: the characters between their digits are no decimal separators.
constexpr std::array<int, 4> kDigitTextRows = {6, 19, 30, 36};

// The file the user chooses in the save or the open dialog; nothing when the dialog was cancelled.
std::optional<std::filesystem::path> ChooseParameterFile(Program& program, ui::FileDialogKind kind) {
  const bool save = kind == ui::FileDialogKind::Save;
  ui::CommonDialog dialog(program.Ui().Dialogs());
  dialog.DialogTitle = save ? kSaveTitle : program.texts.MsgMain[kMsgLoadParameters];
  dialog.Filter = kFilter;
  dialog.InitDir = ProgramFolderFile(program, "").string();
  dialog.Flags = save ? ui::cdlOFNOverwritePrompt : ui::cdlOFNFileMustExist;
  if (save) {
    dialog.ShowSave();
  } else {
    dialog.ShowOpen();
  }
  // A cancelled dialog leaves no name.
  if (dialog.FileName.empty()) return std::nullopt;
  return std::filesystem::path(dialog.FileName);
}

// One line in the log names the file and tells why it was refused; nothing else changes.
void LogRefusal(ui::LogControl& log, const std::string& what, const std::filesystem::path& file,
                const ParameterFileError& error) {
  log.ErrorLine("Error: the parameter file " + file.string() + " cannot be " + what + ": " + error.what());
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

bool IsDigitTextRow(int row) {
  return std::find(kDigitTextRows.begin(), kDigitTextRows.end(), row) != kDigitTextRows.end();
}

// The companion controls of a row, from the text of its box: the sub-field boxes of a composite row, and
// the combos as the editors have them follow the row.
void ShowCompanions(fMain& window, int row, const std::string& text) {
  for (const TwoPartRow& composite : kTwoPartRows) {
    if (composite.row != row) continue;
    std::string after;
    const std::string before = runtime::SplitAt(text, composite.separator, after);
    window.txtNci[composite.boxBefore].SetText(before);
    window.txtNci[composite.boxAfter].SetText(after);
    return;
  }
  FollowCompanionChoices(window, row, FollowBy::ShowingDeviceValue);
}

// The set points go into their six boxes (with the user's decimal separator), the row box gets the value
// as it stands.
void ShowSetPoints(fMain& window, const std::string& value, const std::string& decimalSep) {
  std::string remaining = value;
  for (int field = 0; field < kSetPoints; ++field) {
    std::string rest;
    std::string text = runtime::SplitAt(remaining, ",", rest);
    remaining = rest;
    if (decimalSep == ",") ReplaceAll(text, ".", ",");
    window.txtNci[kFirstSetPointBox + field].SetText(text);
  }
  window.txtNci[kSetPointRow].SetText(value);
}

// Puts the loaded values into the property boxes and their companions, each write marked as the user's
// edit would be, so that what differs from the device is marked; the choices show the values as they are. A
// row that the file gives no value (a row without one, or beyond a smaller model's file) keeps what its box
// shows: an empty text would be applied as 0.
void ShowLoadedValues(Program& program, fMain& window, const std::vector<ParameterValue>& values) {
  // A file's values were read from a device: a choice must not write its own text over one.
  const auto shown = window.ShowDevicesValues();
  const std::string& decimalSep = program.model.DecimalSep;
  const std::string otherSep = decimalSep == "." ? "," : decimalSep == "," ? "." : "";
  const bool convert = !otherSep.empty() && values.size() > kSeparatorWitnessRow &&
                       values[kSeparatorWitnessRow].value_or("").find(otherSep) != std::string::npos;
  for (int row = 0; row < static_cast<int>(values.size()); ++row) {
    const ParameterValue& value = values[static_cast<std::size_t>(row)];
    if (!value) continue;
    if (row == kSetPointRow) {
      ShowSetPoints(window, *value, decimalSep);
      continue;
    }
    std::string text = *value;
    if (convert && !IsDigitTextRow(row)) ReplaceAll(text, otherSep, decimalSep);
    window.txtNci[row].SetText(text);
    // The companions follow the box as its own change handling has left it.
    ShowCompanions(window, row, window.txtNci[row].Text());
  }
}

}  // namespace

void fMain::mnuParameter_speichern_Click() {
  RunMenuCommand(program_, "mnuParameter_speichern_Click", [this] {
    const DataPointTables& tables = program_.datapoints;
    // A device of a model the plug-in does not know has no property rows: its file would be empty.
    if (tables.NciCount == 0) {
      program_.Ui().MsgBox(program_.texts.MsgMain[kMsgNoParametersToSave], ui::vbOKOnly + ui::vbExclamation);
      return;
    }
    const std::optional<std::filesystem::path> file = ChooseParameterFile(program_, ui::FileDialogKind::Save);
    if (!file) return;
    // The device's values, as last read or written: edits not applied yet are not saved.
    std::vector<std::string> values;
    for (int row = 0; row < tables.NciCount; ++row)
      values.push_back(tables.NciTable[static_cast<std::size_t>(row)].NciValue);
    try {
      WriteParameterFile(*file, values);
    } catch (const ParameterFileError& error) {
      LogRefusal(EchLog, "saved", *file, error);
    }
  });
}

void fMain::mnuParameter_laden_Click() {
  if (ApplyRunning()) return;
  RunMenuCommand(program_, "mnuParameter_laden_Click", [this] {
    const std::optional<std::filesystem::path> file = ChooseParameterFile(program_, ui::FileDialogKind::Open);
    if (!file) return;
    // The whole file is read and checked before any box changes.
    std::vector<ParameterValue> values;
    try {
      values = ReadParameterFile(*file, static_cast<std::size_t>(program_.datapoints.NciCount));
    } catch (const ParameterFileError& error) {
      LogRefusal(EchLog, "loaded", *file, error);
      return;
    }
    ShowLoadedValues(program_, *this, values);
  });
}

}  // namespace qvr
