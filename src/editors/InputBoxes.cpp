// The network-variable input boxes with their companion controls, the reset buttons, the setting boxes
// of the light controllers' settings, and the one output box whose text is shortened.

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <exception>
#include <string>

#include "devicemodel/ValueTexts.h"
#include "editors/ChangeMark.h"
#include "editors/EditorValueTexts.h"
#include "editors/InputCompanions.h"
#include "editors/InputMonitoring.h"
#include "framework/Program.h"
#include "framework/SplitAt.h"
#include "mainwindow/fMain.h"

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
      FollowInputCompanions(*this, Index, program_.model.DecimalSep);
      const bool changed = TextDiffers(box.Text(), input.NviValue);
      if (changed) SuspendMonitoringOfEditedInput(program_, *this, Index);
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
  if (box.Text().find(decimalSep) != std::string::npos) return;
  // Typing goes on where it was, before the decimals just added.
  const int caret = box.SelStart();
  box.SetText(box.Text() + decimalSep + "0");
  box.SetSelStart(caret);
}

void fMain::txtnviset_LostFocus(int Index) {
  ui::TextBox& input = txtNvi[Index];
  const std::string& settingValue = txtnviset[Index].Text();
  // Passing through the box leaves the input as it is: rewritten from the combo box, a setting whose
  // function the combo box does not list (SET_NUL) would lose its function.
  if (SettingOf(input.Text()) == settingValue) return;
  input.SetText(SettingText(cmb_nvi[Index].Text(), settingValue, program_.model.DecimalSep));
}

void fMain::txtNvo_Change(int Index) {
  if (Index != kUnitStatusOutput) return;
  ui::TextBox& box = txtNvo[Index];
  std::string rest;
  // Writing the shortened text raises this once more; it then holds no comma and stays.
  if (box.Text().find(',') != std::string::npos) box.SetText(SplitAt(box.Text(), ",", rest));
}

}  // namespace qvr
