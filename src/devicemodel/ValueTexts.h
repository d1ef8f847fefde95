#pragma once

#include <initializer_list>
#include <optional>
#include <string>

namespace qvr {

// The rules that turn a value text into the choice or part an editing control shows. An empty result
// means that the text matches none of the rule's cases and the control keeps what it shows. All
// comparisons are exact and case-sensitive.

// The setting of a SNVT_setting text ("SET_DOWN 50.0 0.00"): the text between its first and second blank;
// none when the text has fewer than two blanks.
std::optional<std::string> SettingOf(const std::string& text);

// The function of a SNVT_setting text, told by its sixth character: "N" (SET_ON) 0, "F" (SET_OFF) 1,
// "P" (SET_UP) 2, "O" (SET_DOWN) 3. None for another or a missing character, and for a choice that a
// combo of `choices` entries does not have.
std::optional<int> SettingFunctionChoice(const std::string& text, int choices);

// The power-up state combo ("SET_OFF", "SET_ON"): the text's first word; another function (SET_UP,
// SET_DOWN, ...) is neither entry.
std::optional<int> PowerUpChoice(const std::string& text);

// A switch combo listing on, then off: a switch is off where its state (the field after its level) is 0
// and on where it is 1, as the device reads it whatever the level's decimal separator ("0,00 0" is off
// with the point too); a state of -1 (no value) or no state is neither.
std::optional<int> SwitchChoice(const std::string& text);

// A bit digit as a two-way choice: "0" gives 0, "1" gives 1.
std::optional<int> BitChoice(const std::string& digit);

// The position of `text` among `names`.
std::optional<int> NameChoice(const std::string& text, std::initializer_list<const char*> names);

// How a light controller's mode reads its start bit (bit 0) while bits 15 and 14 are both "0": QVR-L1
// takes only "0" and "1", QVR-L2 takes anything but "0" as a start at 0 %.
enum class StartBitRule { ZeroOrOne, ZeroOrElse };

// The light controller's mode ("CLC, start maxOut", "CLC, start 0%", "ON/OFF LC", "OFF LC") from the
// digits of bits 14, 15 and 0 of its general parameters.
std::optional<int> LightControlModeChoice(const std::string& bit14, const std::string& bit15,
                                          const std::string& bit0, StartBitRule rule);

}  // namespace qvr
