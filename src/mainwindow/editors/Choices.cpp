// The companion combo boxes' choices: each writes its value text into the box it serves, whose Change
// then marks the box and its companions.
//
// A Click is the user's choice. The combos follow their boxes without it (FollowCompanions): a value the box
// already holds (a power-up level, a switch's level, a function the combo does not list, a typed value of
// its entry) must not be replaced by an entry's standard text; only an edit that is no value of its entry
// gets that text. The user's choice writes its value even where the box's text already stands for the
// entry, as a value that neither entry names does.

#include <exception>
#include <optional>
#include <string>

#include "mainwindow/editors/CompanionChoices.h"
#include "mainwindow/editors/InputCompanions.h"
#include "mainwindow/fMain.h"
#include "program/Program.h"

namespace qvr {

void fMain::cmb_nci_Click(int Index) {
  try {
    const std::optional<std::string> text =
        PropertyTextOfEntry(*this, Index, cmb_nci[Index].ListIndex(), program_.model.DecimalSep);
    if (text) txtNci[PropertyBoxOfChoice(Index)].SetText(*text);
  } catch (const std::exception&) {
    // Silently: a box that cannot stand the new text has put the stored value back in its own Change.
  }
}

void fMain::cmb_nvi_Click(int Index) {
  try {
    const std::optional<std::string> text =
        InputTextOfEntry(*this, Index, cmb_nvi[Index].ListIndex(), program_.model.DecimalSep);
    if (text) txtNvi[Index].SetText(*text);
  } catch (const std::exception&) {
    // Silently, as above; the input box's Change has logged its own failure.
  }
}

void fMain::cmb_nvi_Change(int Index) {
  // The edit field has selected the entry of the typed text already, without the Click a pick from the
  // list raises; a later pick of the same entry would raise none either.
  if (cmb_nvi[Index].ListIndex() >= 0) cmb_nvi_Click(Index);
}

}  // namespace qvr
