#pragma once

#include <string>

namespace qvr {

// Reading single digits of the bit-field and hex texts, bit 0 and digit 0 being the first.

// The digit of bit `bit` of a 31-character bit-field text: "0", "1", or what a shorter or malformed
// text holds at that place (possibly "").
std::string BitDigit(const std::string& text, int bit);

// The value (0 to 15) of hex digit `digit` of a 7-character hex text; a missing character or one that is no
// hex digit reads as 0.
int HexDigitValue(const std::string& text, int digit);

}  // namespace qvr
