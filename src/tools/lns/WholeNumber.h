#pragma once

#include <limits>
#include <optional>
#include <string_view>

namespace lnstool {

// A whole number written in plain decimal digits (no sign, no blanks); nothing for anything else.
std::optional<long> ParseWholeNumber(std::string_view text);

// A whole number as above that fits `Int`; nothing for anything else.
template <class Int>
std::optional<Int> ParseNumber(std::string_view text) {
  auto value = ParseWholeNumber(text);
  if (!value || *value > std::numeric_limits<Int>::max()) return std::nullopt;
  return static_cast<Int>(*value);
}

}  // namespace lnstool
