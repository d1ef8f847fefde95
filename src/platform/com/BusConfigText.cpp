#include "platform/com/BusConfigText.h"

#include <cctype>
#include <cstdio>

namespace com {

std::string EscapeAddressValue(const std::string& value) {
  std::string escaped;
  for (const char c : value) {
    const auto byte = static_cast<unsigned char>(c);
    const bool plain = byte < 0x80 && (std::isalnum(byte) || c == '-' || c == '_' || c == '/' || c == '.' ||
                                       c == '\\' || c == '*');
    if (plain) {
      escaped += c;
      continue;
    }
    char hex[4];
    std::snprintf(hex, sizeof hex, "%%%02x", byte);
    escaped += hex;
  }
  return escaped;
}

std::string EscapeXmlText(const std::string& text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      case '\'':
        escaped += "&apos;";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          escaped += "&#" + std::to_string(static_cast<int>(c)) + ';';
        } else {
          escaped += c;
        }
    }
  }
  return escaped;
}

}  // namespace com
