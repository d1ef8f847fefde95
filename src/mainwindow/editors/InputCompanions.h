#pragma once

#include <optional>
#include <string>
#include <vector>

#include "mainwindow/editors/FollowChoice.h"
#include "platform/ui/Control.h"

namespace qvr {

class fMain;

// The companion controls of the network-variable input boxes, as the companion rows' table
// (devicemodel/CompanionRows.h) tells them: a combo box showing the input's choice (rows 1 to 5, 8, 12 and
// 20 to 24) and, for the settings (3, 8, 12), the setting box.

// Shows in the companion controls of input box txtNvi(row) what the box's text says, as FollowCompanions
// does, with numbers in the user's format `decimalSep`.
void FollowInputCompanions(fMain& window, int row, FollowBy how, const std::string& decimalSep);

// What entry `entry` of cmb_nvi(row) writes into input box txtNvi(row): its item, its function with the
// setting value of the setting box, or its switch text; none for no entry (-1) or one that writes nothing.
std::optional<std::string> InputTextOfEntry(const fMain& window, int row, int entry,
                                            const std::string& decimalSep);

// The text of setting input txtNvi(row) (row 8 or 12) as its companions compose it: the function the
// combo shows, the setting box's value and rotation 0. Where the combo shows no function (the input's
// function is one it does not list, such as SET_NUL, or a text the device takes no value from), the
// function is the first word of the input's text.
std::string SettingInputText(const fMain& window, int row, const std::string& decimalSep);

// The companion controls that share the change mark of input box `row`.
std::vector<ui::Control*> MarkedInputCompanions(fMain& window, int row);

}  // namespace qvr
