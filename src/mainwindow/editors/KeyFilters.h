#pragma once

#include <optional>
#include <string>

namespace qvr {

// Which typed keys (KeyAscii codes) the value boxes take.

// The key that types the user's decimal separator: the comma key for ",", the full stop for "."; a
// separator of any other kind has no key of its own.
std::optional<int> SeparatorKey(const std::string& decimalSep);

// Property box txtNci(box): digits and Backspace; the separator where the box holds decimals; the minus
// sign where it holds a signed number.
bool NciKeyPasses(int box, int key, const std::string& decimalSep);

// Input box txtNvi: digits, Backspace, blank, minus sign and the separator (the parts of a number, a
// switch or a setting value).
bool NviKeyPasses(int key, const std::string& decimalSep);

}  // namespace qvr
