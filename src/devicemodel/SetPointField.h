#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qvr {

// One set point of row 49 as the value text holds it, "." and two decimals, from a number typed with the
// user's decimal separator: "21" gives "21.00", "21,5" gives "21.50" (separator ","). The device keeps
// hundredths, so further decimals are rounded half away from zero ("19,505" gives "19.51", "-0,125"
// gives "-0.13"). Nothing for a text that is no such number (empty, no digit, other characters).
std::optional<std::string> RoundSetPointField(std::string_view text, std::string_view decimalSep);

}  // namespace qvr
