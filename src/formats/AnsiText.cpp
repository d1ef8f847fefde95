#include "formats/AnsiText.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace qvr {

namespace {

constexpr const char* kUtf8 = "UTF-8";
constexpr const char* kAnsi = "WINDOWS-1252";

// The bytes of the character that starts `text`: its lead byte and the continuation bytes it announces,
// as far as they are there.
std::size_t Utf8CharLength(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text.front());
  const std::size_t announced = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  std::size_t length = 1;
  while (length < announced && length < text.size() &&
         (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
    ++length;
  return length;
}

struct Converter {
  Converter(const char* to, const char* from) : handle(iconv_open(to, from)) {
    if (handle == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to + ": " +
                               std::strerror(errno));
    }
  }
  ~Converter() { iconv_close(handle); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  iconv_t handle;
};

// Converts `text` from one code to the other; each character that cannot be converted becomes "?", and
// `skipped` tells how many input bytes it takes.
std::string Convert(std::string_view text, const char* to, const char* from,
                    std::size_t (*skipped)(std::string_view)) {
  const Converter converter(to, from);
  std::string result;
  char buffer[256];
  while (!text.empty()) {
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t done = iconv(converter.handle, &in, &inLeft, &out, &outLeft);
    const int error = errno;
    result.append(buffer, static_cast<std::size_t>(out - buffer));
    text.remove_prefix(text.size() - inLeft);
    if (done != static_cast<std::size_t>(-1) || error == E2BIG) continue;
    // EILSEQ, or EINVAL for a sequence cut off at the end.
    result += '?';
    text.remove_prefix(skipped(text));
  }
  return result;
}

std::size_t OneByte(std::string_view /*text*/) {
  return 1;
}

}  // namespace

std::string ToAnsi(std::string_view utf8) {
  return Convert(utf8, kAnsi, kUtf8, Utf8CharLength);
}

std::string FromAnsi(std::string_view ansi) {
  return Convert(ansi, kUtf8, kAnsi, OneByte);
}

}  // namespace qvr
