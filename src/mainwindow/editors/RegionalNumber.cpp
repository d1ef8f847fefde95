#include "mainwindow/editors/RegionalNumber.h"

#include <cctype>
#include <cstdlib>

namespace qvr {

std::optional<double> ParseRegionalNumber(const std::string& text, const std::string& decimalSep) {
  std::size_t begin = text.find_first_not_of(' ');
  const std::size_t end = text.find_last_not_of(' ');
  if (begin == std::string::npos) return std::nullopt;
  std::string plain;  // the number spelled for strtod, which reads the C locale's "."
  if (text[begin] == '+' || text[begin] == '-') plain += text[begin++];
  bool sawDigit = false;
  bool sawSeparator = false;
  for (std::size_t at = begin; at <= end;) {
    if (std::isdigit(static_cast<unsigned char>(text[at]))) {
      plain += text[at++];
      sawDigit = true;
    } else if (!decimalSep.empty() && !sawSeparator && text.compare(at, decimalSep.size(), decimalSep) == 0) {
      plain += '.';
      at += decimalSep.size();
      sawSeparator = true;
    } else {
      return std::nullopt;
    }
  }
  if (!sawDigit) return std::nullopt;
  return std::strtod(plain.c_str(), nullptr);
}

}  // namespace qvr
