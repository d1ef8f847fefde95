#include "devicemodel/FieldDigits.h"

#include "datapoints/DigitTexts.h"

namespace qvr {

std::string BitDigit(const std::string& text, int bit) {
  std::string digit;
  GetSetBit(text, digit, false, bit, false, false);
  return digit;
}

int HexDigitValue(const std::string& text, int digit) {
  HexDigitResult value;
  GetSetHexDigit(text, value, false, digit, "", 0);
  return static_cast<int>(std::get<double>(value));
}

}  // namespace qvr
