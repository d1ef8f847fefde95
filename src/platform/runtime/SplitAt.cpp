#include "platform/runtime/SplitAt.h"

namespace runtime {

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::string SplitAt(std::string text, std::string separator, std::string& rest) {
  const auto position = text.find(separator);
  if (position == std::string::npos) {
    rest.clear();
    return text;
  }
  // The rest starts one character after the separator's start, as callers pass one-character separators.
  rest = position + 1 < text.size() ? Trim(text.substr(position + 1)) : std::string();
  return text.substr(0, position);
}

}  // namespace runtime
