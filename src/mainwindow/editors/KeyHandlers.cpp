// The value boxes' key filters, Enter as a way to Apply or on, the mark at key time, and the bounds that
// a property box is pulled back into when it loses the focus.

#include <cstddef>
#include <exception>
#include <optional>
#include <string>

#include "mainwindow/editors/ChangeMark.h"
#include "mainwindow/editors/InputCompanions.h"
#include "mainwindow/editors/KeyFilters.h"
#include "mainwindow/editors/RegionalNumber.h"
#include "mainwindow/fMain.h"
#include "program/Program.h"

namespace qvr {

namespace {

// Longest number a plain numeric property box takes by typing.
constexpr int kNumberBoxLength = 6;

// The key handlers run before the key reaches the box: the mark they set compares the text without the
// key, and only the box's Change decides after an edit. So a mark at key time may enable Apply and
// Cancel, but never disables them.
void MarkAtKeyTime(fMain& window, ui::TextBox& box, bool changed) {
  MarkChanged(box, changed);
  if (!changed) return;
  window.cmdApply.SetEnabled(true);
  window.cmdCancel.SetEnabled(true);
}

// A whole number in a property box that has a row of its own is compared with the row's value as a
// number; a text that holds decimals already, a sub-field box and a text that is no number are left to
// the box's Change.
void MarkNumberAtKeyTime(fMain& window, const Program& program, int box) {
  ui::TextBox& target = window.txtNci[box];
  const std::string& decimalSep = program.model.DecimalSep;
  if (target.Text().find(decimalSep) != std::string::npos) return;
  target.SetMaxLength(kNumberBoxLength);
  const auto& rows = program.datapoints.NciTable;
  if (box < 0 || static_cast<std::size_t>(box) >= rows.size()) return;
  const std::optional<double> number = ParseRegionalNumber(target.Text(), decimalSep);
  const std::optional<double> stored =
      ParseRegionalNumber(rows[static_cast<std::size_t>(box)].NciValue, decimalSep);
  if (number && stored) MarkAtKeyTime(window, target, *number != *stored);
}

const std::string& StoredInput(const Program& program, int row) {
  return program.datapoints.NviTable.at(static_cast<std::size_t>(row)).NviValue;
}

}  // namespace

void fMain::txtNci_KeyPress(int Index, int& KeyAscii) {
  try {
    if (NciKeyPasses(Index, KeyAscii, program_.model.DecimalSep)) {
      MarkNumberAtKeyTime(*this, program_, Index);
      return;
    }
    const bool enter = KeyAscii == ui::vbKeyReturn;
    KeyAscii = 0;
    if (enter) cmdGerAuswahl.SetFocus();
  } catch (const std::exception&) {
    // A focus move that cannot be made simply does not happen; the dropped key stays dropped.
  }
}

void fMain::txtNvi_KeyPress(int Index, int& KeyAscii) {
  try {
    // Monitoring of the input is left to the box's Change: a key alone (dropped, Enter, or one that
    // leaves the stored value) is no edit.
    const bool passes = NviKeyPasses(KeyAscii, program_.model.DecimalSep);
    ui::TextBox& box = txtNvi[Index];
    MarkAtKeyTime(*this, box, TextDiffers(box.Text(), StoredInput(program_, Index)));
    if (passes) return;
    if (KeyAscii != ui::vbKeyReturn) {
      KeyAscii = 0;
    } else if (IsMarkedChanged(box)) {
      cmdApply.SetFocus();
    } else {
      KeyAscii = ui::vbKeyTab;
    }
  } catch (const std::exception& error) {
    EchLog.ErrorLine(std::string(error.what()) + "  txtnvi_Keypress(fMain)");
  }
}

void fMain::txtnviset_KeyPress(int Index, int& KeyAscii) {
  try {
    const bool enter = KeyAscii == ui::vbKeyReturn;
    ui::TextBox& box = txtnviset[Index];
    // The setting input as leaving the box would write it now.
    const std::string setting = SettingInputText(*this, Index, program_.model.DecimalSep);
    MarkAtKeyTime(*this, box, TextDiffers(setting, StoredInput(program_, Index)));
    if (!enter) return;
    KeyAscii = 0;
    if (IsMarkedChanged(box)) cmdApply.SetFocus();
  } catch (const std::exception& error) {
    EchLog.ErrorLine(std::string(error.what()) + "  txtnviset_Keypress(fMain)");
  }
}

void fMain::txtNci_LostFocus(int Index) {
  try {
    ui::TextBox& box = txtNci[Index];
    const std::optional<double> number = ParseRegionalNumber(box.Text(), program_.model.DecimalSep);
    if (!number) return;
    // A box without a spin button has no bounds: the look-up fails, and the box keeps its text.
    const ui::UpDown& spin = UpD_nci[Index];
    if (*number < spin.Min()) {
      box.SetText(std::to_string(spin.Min()));
    } else if (*number > spin.Max()) {
      box.SetText(std::to_string(spin.Max()));
    }
  } catch (const std::exception&) {
    // Leaving a box never reports anything.
  }
}

}  // namespace qvr
