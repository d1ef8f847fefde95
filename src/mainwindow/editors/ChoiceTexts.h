#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qvr {

// What a choice in a companion combo box writes into the value box it serves. No choice (-1) and a
// choice that the combo box's table leaves empty write nothing.

// The property box (txtNci index) that cmb_nci(combo) serves: combo boxes 0 and 1 choose bit 1 of rows
// 19 and 30, combo box 37 the first hex digit of row 36; every other combo box serves its own row.
int PropertyBoxOfChoice(int combo);

// The new text of the property box for choice `choice` of cmb_nci(combo), made from the box's current
// text `boxText` where the choice replaces single bits (bit 0 first) or hex digits (digit 0 first).
std::optional<std::string> PropertyTextForChoice(int combo, int choice, const std::string& boxText,
                                                 const std::string& decimalSep);

// The new text of input box txtNvi(combo) for choice `choice` of cmb_nvi(combo), whose text is now
// `comboText`; `settingValue` is the setting box's text (txtnviset), which the setting inputs keep.
std::optional<std::string> InputTextForChoice(int combo, int choice, const std::string& comboText,
                                              const std::string& settingValue, const std::string& decimalSep);

// The LON value types of the texts that cmb_nci(combo) and cmb_nvi(combo) serve ("SNVT_setting"); empty for
// a combo that serves no box.
std::string_view ValueTypeOfPropertyChoice(int combo);
std::string_view ValueTypeOfInputChoice(int combo);

}  // namespace qvr
