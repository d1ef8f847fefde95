#pragma once

#include <optional>
#include <string_view>

namespace lnstool {

// A whole number written in plain decimal digits (no sign, no blanks); nothing for anything else.
std::optional<long> ParseWholeNumber(std::string_view text);

}  // namespace lnstool
