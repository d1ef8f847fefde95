#pragma once

#include <optional>
#include <string>

namespace qvr {

// A number as the user types it: blanks around it, an optional sign, digits and at most one decimal
// separator `decimalSep` (none allowed when it is empty), with at least one digit. Nothing else counts
// as a number.
std::optional<double> ParseRegionalNumber(const std::string& text, const std::string& decimalSep);

}  // namespace qvr
