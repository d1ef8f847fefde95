#include "mainwindow/editors/RegionalNumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace qvr {

namespace {

constexpr int kSignificantDigits = 15;

}  // namespace

std::string RegionalNumberText(double value, const std::string& decimalSep) {
  if (value == 0) return "0";  // and never "-0"
  const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
  const int decimals = std::max(0, kSignificantDigits - 1 - magnitude);
  // to_chars, unlike printf, does not follow the process's locale.
  std::array<char, 400> buffer{};
  const auto written =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
  std::string text(buffer.data(), written.ptr);
  const std::size_t point = text.find('.');
  if (point == std::string::npos) return text;
  text.erase(text.find_last_not_of('0') + 1);
  if (text.size() == point + 1) return text.substr(0, point);  // no decimals left
  return text.replace(point, 1, decimalSep);
}

}  // namespace qvr
