#pragma once

#include <optional>
#include <string>
#include <vector>

#include "mainwindow/editors/FollowChoice.h"

namespace qvr {

class fMain;

// The property rows whose value the window also offers as a choice in companion combo boxes (cmb_nci):
// single bits of a bit field, digits of a hex value, a power-up setting, a valve count and an HVAC mode.

// Whether row `row` has companion combo boxes.
bool HasCompanionChoices(int row);

// The companion combo boxes (cmb_nci indexes) that share row `row`'s change mark. The override-bit
// combos 0 and 1 of rows 19 and 30 follow their row but keep their colour.
std::vector<int> MarkedCompanions(int row);

// The entry of cmb_nci(combo) that the text `text` of the property box it serves stands for; none when
// the text stands for no entry.
std::optional<int> ChoiceOfPropertyText(int combo, const std::string& text);

// Moves the companions of row `row` to the choice that the text of box `row` holds, as FollowChoice does
// (numbers in the user's format `decimalSep`); a light controller's override bit that is no 0 or 1 raises
// a type mismatch.
void FollowCompanionChoices(fMain& window, int row, FollowBy how, const std::string& decimalSep);

}  // namespace qvr
