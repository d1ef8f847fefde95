#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lns {

// A decimal number held exactly: mantissa / 10^fractionDigits. Value texts are parsed into this form so
// that range checks and rounding to a type's resolution never suffer from binary floating point.
struct ExactDecimal {
  long long mantissa = 0;
  int fractionDigits = 0;
};

// Parses "[+|-]digits[<sep>digits]" (digits on at least one side of the separator). Gives nothing for any
// other text. Whole parts beyond nine digits saturate (the result is then out of every type's range) and
// fraction digits beyond the sixth are dropped, far below every resolution in use.
std::optional<ExactDecimal> ParseExactDecimal(std::string_view text, std::string_view sep);

// Formats `units` counted in 10^-decimals, e.g. (2150, 2, ",") -> "21,50", (-5, 1, ".") -> "-0.5".
std::string FormatScaled(long long units, int decimals, std::string_view sep);

// 10^exponent for the small exponents used here.
long long PowerOfTen(int exponent);

}  // namespace lns
