#pragma once

#include <string>

namespace runtime {

// Returns the text before the first `separator` (found exactly, case counts) and hands back in `rest` what
// follows the separator's first character, trimmed of blanks. Without the separator the result is the
// whole text and `rest` is empty. An empty separator is found at the first character.
std::string SplitAt(std::string text, std::string separator, std::string& rest);

// The text without leading and trailing blanks.
std::string Trim(const std::string& text);

}  // namespace runtime
