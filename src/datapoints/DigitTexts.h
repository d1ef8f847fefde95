#pragma once

#include <string>
#include <variant>

namespace qvr {

// Bit-field texts (16 digits 0 or 1, one separator character between neighbours: 31 characters) and hex
// texts (4 hex digits the same way: 7 characters) carry one bit or digit per character. These read or
// replace one of them by its number. They never look at the separators nor check the text's form: a
// shorter text gets the same cuts (an empty text reads as "" or 0, and a replace gives the new character
// alone). A number outside the range raises error 5 ("Invalid procedure call or argument") and leaves
// Result unset, for a read as well as a replace.

// Bit `Position` (0 to 15) is character 2n + 1 counted from 1, or with FromRight character 31 - 2n.
// Result: the bit's character (read), or the text with it replaced by "1" or "0" by NewBit (Replace).
void GetSetBit(const std::string& ValueText, std::string& Result, bool Replace, int Position, bool NewBit,
               bool FromRight);

// Read: the digit's value from 0 to 15 (either letter case; anything that is no hex digit reads as 0).
// Replace: the text with the digit replaced by NewDigit, taken as it is.
using HexDigitResult = std::variant<double, std::string>;

// Digit `Position` (0 to 3) is character 2n + 1 counted from 1. Reserved is not used.
void GetSetHexDigit(const std::string& ValueText, HexDigitResult& Result, bool Replace, int Position,
                    const std::string& NewDigit, int Reserved);

}  // namespace qvr
