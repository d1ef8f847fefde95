#pragma once

#include <string_view>
#include <vector>

namespace lns {

// Small text helpers shared by the value parsers and the readers of the shipped text files.

bool IsBlank(char c);                          // blank, tab, carriage return or line feed
std::string_view Trim(std::string_view text);  // without leading and trailing blanks
std::vector<std::string_view> SplitAtBlanks(std::string_view text);            // words between runs of blanks
std::vector<std::string_view> SplitAt(std::string_view text, char separator);  // every piece, trimmed

}  // namespace lns
