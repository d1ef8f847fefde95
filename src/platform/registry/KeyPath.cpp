#include "platform/registry/KeyPath.h"

#include <cstddef>

namespace reg {

namespace {

constexpr std::size_t kMaxKeyNameCharacters = 255;

std::size_t CharacterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (unsigned char byte : utf8) {
    if ((byte & 0xC0) != 0x80) ++count;
  }
  return count;
}

bool IsValidKeyName(std::string_view name) {
  return !name.empty() && name.find('\0') == std::string_view::npos &&
         CharacterCount(name) <= kMaxKeyNameCharacters;
}

}  // namespace

std::optional<std::vector<std::string_view>> SplitKeyPath(std::string_view path) {
  std::vector<std::string_view> names;
  while (true) {
    std::size_t separator = path.find('\\');
    std::string_view name = path.substr(0, separator);
    if (!IsValidKeyName(name)) return std::nullopt;
    names.push_back(name);
    if (separator == std::string_view::npos) return names;
    path.remove_prefix(separator + 1);
  }
}

std::string FoldCase(std::string_view name) {
  std::string folded(name);
  for (std::size_t i = 0; i < folded.size(); ++i) {
    unsigned char byte = static_cast<unsigned char>(folded[i]);
    if (byte >= 'A' && byte <= 'Z') {
      folded[i] = static_cast<char>(byte + ('a' - 'A'));
    } else if (byte == 0xC3 && i + 1 < folded.size()) {
      // U+00C0..U+00DE are the Latin-1 capitals (U+00D7 is the multiplication sign); their small
      // letters lie 0x20 above, in the same second byte.
      unsigned char next = static_cast<unsigned char>(folded[i + 1]);
      if (next >= 0x80 && next <= 0x9E && next != 0x97) folded[i + 1] = static_cast<char>(next + 0x20);
      ++i;
    }
  }
  return folded;
}

}  // namespace reg
