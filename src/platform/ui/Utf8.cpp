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
