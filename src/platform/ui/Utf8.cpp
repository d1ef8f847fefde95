#include "platform/ui/Utf8.h"

namespace ui {

namespace {

bool IsContinuation(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

}  // namespace

int CharCount(std::string_view text) {
  int count = 0;
  for (char byte : text) {
    if (!IsContinuation(byte)) ++count;
  }
  return count;
}

std::size_t ByteOffset(std::string_view text, int position) {
  std::size_t offset = 0;
  for (int passed = 0; offset < text.size() && passed < position; ++passed) {
    ++offset;
    while (offset < text.size() && IsContinuation(text[offset])) ++offset;
  }
  return offset;
}

std::string CharSlice(std::string_view text, int start, int count) {
  const std::size_t from = ByteOffset(text, start);
  const std::size_t to = from + ByteOffset(text.substr(from), count);
  return std::string(text.substr(from, to - from));
}

std::u32string DecodeChars(std::string_view text) {
  std::u32string chars;
  for (std::size_t at = 0; at < text.size();) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const int length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    char32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
    int taken = 1;
    while (taken < length && at + taken < text.size() && IsContinuation(text[at + taken])) {
      code = (code << 6) | (static_cast<unsigned char>(text[at + taken]) & 0x3F);
      ++taken;
    }
    if (taken < length) code = lead;  // a cut sequence: the lead byte alone
    chars.push_back(code);
    at += static_cast<std::size_t>(taken);
  }
  return chars;
}

std::string EncodeChar(char32_t code) {
  std::string bytes;
  if (code < 0x80) {
    bytes += static_cast<char>(code);
  } else if (code < 0x800) {
    bytes += static_cast<char>(0xC0 | (code >> 6));
    bytes += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    bytes += static_cast<char>(0xE0 | (code >> 12));
    bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    bytes += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    bytes += static_cast<char>(0xF0 | (code >> 18));
    bytes += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    bytes += static_cast<char>(0x80 | (code & 0x3F));
  }
  return bytes;
}

}  // namespace ui
