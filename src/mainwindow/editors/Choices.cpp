// The companion combo boxes' choices: each writes its value text into the box it serves, whose Change
// then marks the box and its companions.
//
// A Click is the user's choice, or a user's edit of the box that moved the combo (FollowChoice): where the
// program shows a device's value in a box (a value read, monitoring, Cancel, a parameter file), its combos
// follow quietly, without Click, so that an entry's standard text never replaces the actual value (a
// power-up level, a switch's level, a function the combo does not list). The user's choice writes its
// value even where the box's text already stands for the entry, as a value that neither entry names does.

#include <exception>
#include <optional>
#include <string>

#include "mainwindow/editors/ChoiceTexts.h"
#include "mainwindow/fMain.h"
#include "program/Program.h"

namespace qvr {

void fMain::cmb_nci_Click(int Index) {
  try {
    ui::TextBox& target = txtNci[PropertyBoxOfChoice(Index)];
    const std::optional<std::string> text =
        PropertyTextForChoice(Index, cmb_nci[Index].ListIndex(), target.Text(), program_.model.DecimalSep);
    if (text) target.SetText(*text);
  } catch (const std::exception&) {
    // Silently: a box that cannot stand the new text has put the stored value back in its own Change.
  }
}

void fMain::cmb_nvi_Click(int Index) {
  try {
    const ui::ComboBox& combo = cmb_nvi[Index];
    const std::string settingValue = txtnviset.Exists(Index) ? txtnviset[Index].Text() : std::string();
    const std::optional<std::string> text =
        InputTextForChoice(Index, combo.ListIndex(), combo.Text(), settingValue, program_.model.DecimalSep);
    if (text) txtNvi[Index].SetText(*text);
  } catch (const std::exception&) {
    // Silently, as above; the input box's Change has logged its own failure.
  }
}

}  // namespace qvr
