#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ui {

// Character positions in UTF-8 texts, as the controls count them: one character per code point.
int CharCount(std::string_view text);
// The byte offset of character `position` (cut to the text's end).
std::size_t ByteOffset(std::string_view text, int position);
// The characters from `start` on, `count` of them (cut to the text).
std::string CharSlice(std::string_view text, int start, int count);
// The code points of a UTF-8 text; a byte that starts no valid sequence stands for itself.
std::u32string DecodeChars(std::string_view text);
// The UTF-8 bytes of one code point.
std::string EncodeChar(char32_t code);

}  // namespace ui
