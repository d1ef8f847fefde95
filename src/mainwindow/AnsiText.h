#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qvr {

// Texts in the Windows ANSI code page 1252, one byte per character, as files of the system store them.
// The five bytes that the code page leaves unassigned stand for the control characters of the same
// numbers, as Windows maps them, so that every byte string converts and converts back unchanged.

// The ANSI bytes of a UTF-8 text; nothing when the text holds a character that the code page lacks or
// is no valid UTF-8.
std::optional<std::string> ToAnsi(std::string_view utf8);
// The UTF-8 text of ANSI bytes.
std::string FromAnsi(std::string_view ansi);

}  // namespace qvr
