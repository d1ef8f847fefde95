#pragma once

#include <string>

namespace qvr {

// A number as the user's regional settings write it: rounded to 15 significant digits, without exponent,
// thousands separators or trailing zeros, with `decimalSep` before the decimals and a leading minus sign
// when negative ("20,5", "-19,9", "35"). The text reads back as the same number.
std::string RegionalNumberText(double value, const std::string& decimalSep);

}  // namespace qvr
