// The companion combo boxes' choices: each writes its value text into the box it serves, whose Change
// then marks the box and its companions.
//
// A combo also moves when the program writes the box (a value read, monitoring, Cancel, a parameter
// file) and the box's Change makes the combo follow. The box's text then already stands for the chosen
// entry, and the entry's standard text would replace the actual value (a power-up level, a switch's
// level, a function the combo does not list): such a choice writes nothing.

#include <exception>
#include <optional>
#include <string>

#include "editors/ChoiceTexts.h"
#include "editors/CompanionChoices.h"
#include "editors/InputCompanions.h"
#include "framework/Program.h"
#include "mainwindow/fMain.h"

namespace qvr {

void fMain::cmb_nci_Click(int Index) {
  try {
    ui::TextBox& target = txtNci[PropertyBoxOfChoice(Index)];
    const int choice = cmb_nci[Index].ListIndex();
    if (ChoiceOfPropertyText(Index, target.Text()) == choice) return;
    const std::optional<std::string> text =
        PropertyTextForChoice(Index, choice, target.Text(), program_.model.DecimalSep);
    if (text) target.SetText(*text);
  } catch (const std::exception&) {
    // Silently: a box that cannot stand the new text has put the stored value back in its own Change.
  }
}

void fMain::cmb_nvi_Click(int Index) {
  try {
    const std::string& decimalSep = program_.model.DecimalSep;
    if (InputTextShowsChoice(*this, Index, decimalSep)) return;
    const ui::ComboBox& combo = cmb_nvi[Index];
    const std::string settingValue = txtnviset.Exists(Index) ? txtnviset[Index].Text() : std::string();
    const std::optional<std::string> text =
        InputTextForChoice(Index, combo.ListIndex(), combo.Text(), settingValue, decimalSep);
    if (text) txtNvi[Index].SetText(*text);
  } catch (const std::exception&) {
    // Silently, as above; the input box's Change has logged its own failure.
  }
}

}  // namespace qvr
