#include "devicemodel/SetPointField.h"

#include <algorithm>
#include <cctype>

namespace qvr {

namespace {

bool AllDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Adds one to a number of plain digits.
void Increment(std::string& digits) {
  for (auto at = digits.rbegin(); at != digits.rend(); ++at) {
    if (*at != '9') {
      ++*at;
      return;
    }
    *at = '0';
  }
  digits.insert(digits.begin(), '1');
}

}  // namespace

std::optional<std::string> RoundSetPointField(std::string_view text, std::string_view decimalSep) {
  std::string_view number = Trimmed(text);
  const bool negative = number.starts_with('-');
  if (negative) number.remove_prefix(1);
  const std::size_t separator = decimalSep.empty() ? std::string_view::npos : number.find(decimalSep);
  std::string_view whole = number.substr(0, separator);
  std::string_view decimals =
      separator == std::string_view::npos ? std::string_view{} : number.substr(separator + decimalSep.size());
  if (!AllDigits(whole) || !AllDigits(decimals) || whole.size() + decimals.size() == 0) return std::nullopt;

  // Hundredths as one number of digits, rounded on the third decimal.
  std::string hundredths = std::string(whole.empty() ? "0" : whole) + std::string(decimals.substr(0, 2));
  hundredths.append(2 - std::min<std::size_t>(decimals.size(), 2), '0');
  if (decimals.size() > 2 && decimals[2] >= '5') Increment(hundredths);
  // Leading zeros of the whole part go, but one digit stays before the point.
  const std::size_t firstDigit = std::min(hundredths.find_first_not_of('0'), hundredths.size() - 3);
  hundredths.erase(0, firstDigit);
  const bool zero = hundredths.find_first_not_of('0') == std::string::npos;
  return std::string(negative && !zero ? "-" : "") + hundredths.substr(0, hundredths.size() - 2) + "." +
         hundredths.substr(hundredths.size() - 2);
}

}  // namespace qvr
