#pragma once

#include <string>

#include "devicemodel/CompanionRows.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ControlArray.h"
#include "platform/ui/TextBox.h"

namespace qvr {

// How the companions of a row follow the text of its box.
//  Decoding: a value just read from the device; a combo that reads no entry keeps what it showed, unless
//   the row's table says otherwise.
//  ShowingDeviceValue: a value the device holds (Cancel, monitoring, Apply's read-back) or a parameter
//   file's value: shown, a combo that reads no entry shows none.
//  Editing: any other text. A text the device takes a value from stays exactly as typed. A text that is
//   no value but stands for an entry (a level in the wrong number format, "HVAC_HEAT 1 2") gets that
//   entry's own text where the device takes that, so that box and choice show what Apply writes; any
//   other stays as typed, and its combo shows no entry.
enum class FollowBy { Decoding, ShowingDeviceValue, Editing };

// The controls of a companion row.
struct CompanionControls {
  ui::TextBox& box;
  ui::ControlArray<ui::ComboBox>& combos;  // cmb_nci or cmb_nvi
  ui::TextBox* settingBox;                 // the row's setting box, where it has one
};

// Moves the combos of `row` to the entries its box's text stands for, without their Click (a drop-down
// combo with an edit field shows the box's text), and shows the setting in the setting box, without its
// Change. An entry that the combo's list lacks (no language texts) is no entry. A replacement is written
// into the box without its Change: the caller marks the box after. Numbers are in the user's format
// `decimalSep`.
void FollowCompanions(const CompanionRow& row, const CompanionControls& controls, FollowBy how,
                      const std::string& decimalSep, StartBitRule rule);

}  // namespace qvr
