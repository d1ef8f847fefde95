#include "mainwindow/AnsiText.h"

#include <array>

#include "platform/ui/Utf8.h"

namespace qvr {

namespace {

// The characters of bytes 0x80 to 0x9F; the rest of the code page are the characters of the same number.
constexpr std::array<char32_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CharOfByte(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControlRange[byte - 0x80];
  return byte;
}

std::optional<unsigned char> ByteOfChar(char32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<unsigned char>(code);
  for (std::size_t i = 0; i < kHighControlRange.size(); ++i) {
    if (kHighControlRange[i] == code) return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

// The code point that starts at `at`, moving `at` past it; nothing for a malformed sequence.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at++]);
  if (lead < 0x80) return lead;
  int followers = 0;
  char32_t code = 0;
  if ((lead & 0xE0) == 0xC0) {
    followers = 1;
    code = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    followers = 2;
    code = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    followers = 3;
    code = lead & 0x07;
  } else {
    return std::nullopt;
  }
  for (int i = 0; i < followers; ++i) {
    if (at >= text.size()) return std::nullopt;
    const auto next = static_cast<unsigned char>(text[at++]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    code = (code << 6) | (next & 0x3F);
  }
  // Overlong forms would let two spellings of one text convert alike.
  constexpr char32_t kSmallestOf[] = {0, 0x80, 0x800, 0x10000};
  if (code < kSmallestOf[followers]) return std::nullopt;
  return code;
}

}  // namespace

std::optional<std::string> ToAnsi(std::string_view utf8) {
  std::string ansi;
  std::size_t at = 0;
  while (at < utf8.size()) {
    const std::optional<char32_t> code = NextCodePoint(utf8, at);
    if (!code) return std::nullopt;
    const std::optional<unsigned char> byte = ByteOfChar(*code);
    if (!byte) return std::nullopt;
    ansi += static_cast<char>(*byte);
  }
  return ansi;
}

std::string FromAnsi(std::string_view ansi) {
  std::string utf8;
  for (const char byte : ansi) utf8 += ui::EncodeChar(CharOfByte(static_cast<unsigned char>(byte)));
  return utf8;
}

}  // namespace qvr
