#include "datapoints/DigitTexts.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "identity/PlugInIdentity.h"
#include "platform/Error.h"
#include "platform/runtime/RuntimeErrors.h"

namespace qvr {

namespace {

constexpr int kLastBit = 15;
constexpr int kLastHexDigit = 3;
constexpr std::size_t kBitFieldLength = 31;
constexpr std::size_t kHexTextLength = 7;

void CheckPosition(int position, int last, std::string_view what) {
  if (position < 0 || position > last) {
    runtime::RaiseInvalidCall(runtime::kProgramName, std::string(what) + " number " +
                                                         std::to_string(position) + " is outside 0 to " +
                                                         std::to_string(last));
  }
}

// A text cut around the character at `digitPosition` (counted from 1): the head runs up to and including
// it, the tail is the last `tailLength` characters; both stop at the text's ends.
class DigitCut {
 public:
  DigitCut(const std::string& text, std::size_t digitPosition, std::size_t tailLength)
      : head_(text.substr(0, std::min(digitPosition, text.size()))),
        tail_(text.substr(text.size() - std::min(tailLength, text.size()))),
        keep_(std::min(digitPosition - 1, head_.size())) {}

  // The digit's character; empty when the head is.
  std::string Digit() const { return head_.empty() ? std::string() : head_.substr(head_.size() - 1); }

  std::string Replaced(std::string_view digit) const {
    std::string result = head_.substr(0, keep_);
    result += digit;
    result += tail_;
    return result;
  }

 private:
  std::string head_;
  std::string tail_;
  std::size_t keep_;
};

// Character position (from 1) of digit n when digits are counted from the left.
std::size_t FromLeft(int n) {
  return static_cast<std::size_t>(2 * n + 1);
}

double HexValue(const std::string& digit) {
  if (digit.empty()) return 0;
  const char c = digit[0];
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return 0;
}

}  // namespace

void GetSetBit(const std::string& ValueText, std::string& Result, bool Replace, int Position, bool NewBit,
               bool FromRight) {
  CheckPosition(Position, kLastBit, "bit");
  const std::size_t digitPosition = FromRight ? kBitFieldLength + 1 - FromLeft(Position) : FromLeft(Position);
  const DigitCut cut(ValueText, digitPosition, kBitFieldLength - digitPosition);
  Result = Replace ? cut.Replaced(NewBit ? "1" : "0") : cut.Digit();
}

void GetSetHexDigit(const std::string& ValueText, HexDigitResult& Result, bool Replace, int Position,
                    const std::string& NewDigit, int /*Reserved*/) {
  CheckPosition(Position, kLastHexDigit, "hex digit");
  const std::size_t digitPosition = FromLeft(Position);
  const DigitCut cut(ValueText, digitPosition, kHexTextLength - digitPosition);
  if (Replace) {
    Result = cut.Replaced(NewDigit);
  } else {
    Result = HexValue(cut.Digit());
  }
}

}  // namespace qvr
