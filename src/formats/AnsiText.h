#pragma once

#include <string>
#include <string_view>

namespace qvr {

// Texts in the Windows ANSI code page 1252, one byte per character, as files of the system store them.
// The C library's iconv converts; what one side cannot express becomes "?" on the other: a character
// the code page lacks (or malformed UTF-8) when writing, one of the five bytes the code page leaves
// unassigned when reading.

// The ANSI bytes of a UTF-8 text.
std::string ToAnsi(std::string_view utf8);
// The UTF-8 text of ANSI bytes.
std::string FromAnsi(std::string_view ansi);

}  // namespace qvr
