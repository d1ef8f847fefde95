// The network-variable input boxes with their companion controls, the reset buttons, the setting boxes
// of the light controllers' settings, and the one output box whose text is shortened.

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <exception>
#include <string>

#include "devicemodel/EditorValueTexts.h"
#include "mainwindow/editors/ChangeMark.h"
#include "mainwindow/editors/InputCompanions.h"
#include "mainwindow/editors/InputMonitoring.h"
#include "mainwindow/fMain.h"
#include "platform/runtime/SplitAt.h"
#include "program/Program.h"

namespace qvr {

namespace {

constexpr int kUnitStatusOutput = 10;

std::string UpperCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

}  // namespace

void fMain::txtNvi_Change(int Index) {
  const DataPoint& input = program_.datapoints.NviTable.at(static_cast<std::size_t>(Index));
  ui::TextBox& box = txtNvi[Index];
  try {
    // A hidden window is being filled from the device, not edited.
    if (Visible()) {
      FollowInputCompanions(*this, Index, FollowFor(*this, box.Text(), input.NviValue),
                            program_.model.DecimalSep);
      const bool changed = TextDiffers(box.Text(), input.NviValue);
      SetMonitoringOfEditedInput(program_, *this, Index, changed);
      MarkChanged(box, changed);
      for (ui::Control* companion : MarkedInputCompanions(*this, Index)) MarkChanged(*companion, changed);
    }
    UpdateApplyCancel();
  } catch (const std::exception& error) {
    // Writing the stored value back runs this handler again, which marks the box and refreshes Apply
    // and Cancel.
    box.SetText(input.NviValue);
    EchLog.ErrorLine(std::string(error.what()) + " txtNvi_Change(fMain) ");
  }
}

void fMain::txtNvi_LostFocus(int Index) {
  ui::TextBox& box = txtNvi[Index];
  box.SetText(UpperCase(box.Text()));
}

void fMain::cmd_Nvi_Reset_Click(int Index) {
  const std::string& decimalSep = program_.model.DecimalSep;
  switch (Index) {
    case 16:
    case 17:  // nviSpaceTemp, nviSetpoint
      txtNvi[Index].SetText(TemperatureResetValue(decimalSep));
      return;
    case 18:
    case 19:  // nviHeatPriSlave, nviCoolPriSlave
      txtNvi[Index].SetText(PercentageResetValue(decimalSep));
      return;
    default:
      return;
  }
}

void fMain::txtnviset_Change(int Index) {
  ui::TextBox& box = txtnviset[Index];
  const std::string& decimalSep = program_.model.DecimalSep;
  editedSettingBoxes_.insert(Index);
  // The input is written from this box only when it is left; until then a value from the device must
  // not replace the setting being typed.
  const DataPoint& input = program_.datapoints.NviTable.at(static_cast<std::size_t>(Index));
  if (Visible() && TextDiffers(SettingInputText(*this, Index, decimalSep), input.NviValue)) {
    SetMonitoringOfEditedInput(program_, *this, Index, true);
  }
  if (box.Text().find(decimalSep) != std::string::npos) return;
  // Typing goes on where it was, before the decimals just added.
  const int caret = box.SelStart();
  box.SetText(box.Text() + decimalSep + "0");
  box.SetSelStart(caret);
}

void fMain::txtnviset_LostFocus(int Index) {
  // Passing through the box is no edit: rewritten, the input would lose a rotation, or a function the
  // combo does not list.
  if (editedSettingBoxes_.erase(Index) == 0) return;
  txtNvi[Index].SetText(SettingInputText(*this, Index, program_.model.DecimalSep));
}

void fMain::txtNvo_Change(int Index) {
  // The unit status is shown up to its first field; with the decimal comma its numbers hold commas too,
  // and a cut there would leave half a number.
  if (Index != kUnitStatusOutput || program_.model.DecimalSep == ",") return;
  ui::TextBox& box = txtNvo[Index];
  std::string rest;
  // Writing the shortened text raises this once more; it then holds no comma and stays.
  if (box.Text().find(',') != std::string::npos) box.SetText(runtime::SplitAt(box.Text(), ",", rest));
}

}  // namespace qvr
