#include "platform/EchoedText.h"

#include <cstdio>

namespace platform {

namespace {

constexpr std::size_t kMostEchoedBytes = 200;

// A cut that keeps a UTF-8 character whole: never right before a continuation byte.
std::size_t CutAt(std::string_view text, std::size_t most) {
  if (text.size() <= most) return text.size();
  std::size_t cut = most;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return cut;
}

}  // namespace

std::string EscapeControls(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\n') {
      escaped += "\\n";
    } else if (c == '\r') {
      escaped += "\\r";
    } else if (c == '\t') {
      escaped += "\\t";
    } else if (byte < 0x20 || byte == 0x7F) {
      char code[5];
      std::snprintf(code, sizeof code, "\\x%02x", byte);
      escaped += code;
    } else {
      escaped += c;
    }
  }
  return escaped;
}

std::string Echoed(std::string_view text) {
  const std::size_t cut = CutAt(text, kMostEchoedBytes);
  return "\"" + EscapeControls(text.substr(0, cut)) + (cut < text.size() ? "...\"" : "\"");
}

}  // namespace platform
