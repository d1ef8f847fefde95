#include "platform/lns/types/LonTypeDecimal.h"

#include <cctype>

namespace lns {

namespace {

constexpr int kMaxWholeDigits = 9;
constexpr int kMaxFractionDigits = 6;

bool IsDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

}  // namespace

long long PowerOfTen(int exponent) {
  long long result = 1;
  for (int i = 0; i < exponent; ++i) result *= 10;
  return result;
}

std::optional<ExactDecimal> ParseExactDecimal(std::string_view text, std::string_view sep) {
  std::size_t pos = 0;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) negative = text[pos++] == '-';

  long long whole = 0;
  int wholeDigits = 0;
  bool sawDigit = false;
  for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
    sawDigit = true;
    if (wholeDigits == 0 && text[pos] == '0') continue;  // leading zeros do not count
    if (++wholeDigits > kMaxWholeDigits) {
      whole = PowerOfTen(kMaxWholeDigits);  // saturate: out of range for every type
    } else {
      whole = whole * 10 + (text[pos] - '0');
    }
  }

  ExactDecimal result{whole, 0};
  if (!sep.empty() && text.substr(pos, sep.size()) == sep) {
    pos += sep.size();
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
      sawDigit = true;
      if (result.fractionDigits == kMaxFractionDigits) continue;
      result.mantissa = result.mantissa * 10 + (text[pos] - '0');
      ++result.fractionDigits;
    }
  }
  if (!sawDigit || pos != text.size()) return std::nullopt;
  if (negative) result.mantissa = -result.mantissa;
  return result;
}

std::string FormatScaled(long long units, int decimals, std::string_view sep) {
  const long long scale = PowerOfTen(decimals);
  const unsigned long long magnitude = units < 0 ? 0ULL - static_cast<unsigned long long>(units) : units;
  std::string text = units < 0 ? "-" : "";
  text += std::to_string(magnitude / scale);
  if (decimals > 0) {
    std::string fraction = std::to_string(magnitude % scale);
    text += sep;
    text += std::string(decimals - fraction.size(), '0') + fraction;
  }
  return text;
}

}  // namespace lns
