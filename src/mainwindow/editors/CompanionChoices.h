#pragma once

#include <optional>
#include <string>
#include <vector>

#include "mainwindow/editors/FollowChoice.h"

namespace qvr {

class fMain;

// The property rows whose value the window also offers as a choice in companion combo boxes (cmb_nci), as
// the companion rows' table (devicemodel/CompanionRows.h) tells them.

// Whether row `row` has companion choices.
bool HasCompanionChoices(int row);

// The companion combo boxes (cmb_nci indexes) that share row `row`'s change mark.
std::vector<int> MarkedCompanions(int row);

// The property box (txtNci index) that cmb_nci(combo) serves: combo boxes 0 and 1 choose bit 1 of rows
// 19 and 30, combo box 37 the first hex digit of row 36; every other combo box serves its own row.
int PropertyBoxOfChoice(int combo);

// What entry `entry` of cmb_nci(combo) writes into the property box it serves; none for no entry (-1) or
// one that writes nothing.
std::optional<std::string> PropertyTextOfEntry(const fMain& window, int combo, int entry,
                                               const std::string& decimalSep);

// Moves the companions of row `row` to the choice that the text of box `row` holds, as FollowCompanions
// does (numbers in the user's format `decimalSep`); a light controller's text that is no value and has no
// override bit of 0 or 1 raises a type mismatch.
void FollowCompanionChoices(fMain& window, int row, FollowBy how, const std::string& decimalSep);

}  // namespace qvr
