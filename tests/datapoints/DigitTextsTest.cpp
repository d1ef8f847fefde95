#include "datapoints/DigitTexts.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/Error.h"

namespace {

using qvr::GetSetBit;
using qvr::GetSetHexDigit;
using qvr::HexDigitResult;

const std::string kZeros = "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0";
const std::string kFirstBitSet = "1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0";

std::string ReadBit(const std::string& text, int position, bool fromRight = false) {
  std::string result;
  GetSetBit(text, result, false, position, false, fromRight);
  return result;
}

std::string ReplaceBit(const std::string& text, int position, bool newBit, bool fromRight = false) {
  std::string result;
  GetSetBit(text, result, true, position, newBit, fromRight);
  return result;
}

HexDigitResult ReadDigit(const std::string& text, int position) {
  HexDigitResult result;
  GetSetHexDigit(text, result, false, position, "", 0);
  return result;
}

HexDigitResult ReplaceDigit(const std::string& text, int position, const std::string& newDigit) {
  HexDigitResult result;
  GetSetHexDigit(text, result, true, position, newDigit, 0);
  return result;
}

// The error number that `call` raises, 0 when it raises nothing.
template <class Call>
long RaisedNumber(Call call) {
  try {
    call();
  } catch (const platform::RaisedError& error) {
    return error.Number();
  }
  return 0;
}

TEST(GetSetBitTest, ReadsTheBitFromEitherEnd) {
  EXPECT_EQ(ReadBit(kFirstBitSet, 0), "1");
  EXPECT_EQ(ReadBit(kFirstBitSet, 0, true), "0");
  EXPECT_EQ(ReadBit(kFirstBitSet, 15, true), "1");
  EXPECT_EQ(ReadBit(kFirstBitSet, 15), "0");
  const std::string bit7 = "0 0 0 0 0 0 0 1 0 0 0 0 0 0 0 0";
  EXPECT_EQ(ReadBit(bit7, 7), "1");
  EXPECT_EQ(ReadBit(bit7, 8, true), "1") << "bit 8 from the right is bit 7 from the left";
  EXPECT_EQ(ReadBit(bit7, 6), "0");
}

TEST(GetSetBitTest, ReplacingChangesOnlyThatDigitAndKeepsTheSeparators) {
  EXPECT_EQ(ReplaceBit(kZeros, 15, true), "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1");
  EXPECT_EQ(ReplaceBit(kZeros, 0, true), kFirstBitSet);
  EXPECT_EQ(ReplaceBit(kFirstBitSet, 0, false), kZeros);
  EXPECT_EQ(ReplaceBit(kZeros, 0, true, true), "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1");
  EXPECT_EQ(ReplaceBit("0-0-0-0-0-0-0-0-0-0-0-0-0-0-0-0", 3, true), "0-0-0-1-0-0-0-0-0-0-0-0-0-0-0-0");
  EXPECT_EQ(ReplaceBit("0x0y0z0 0 0 0 0 0 0 0 0 0 0 0 0", 2, true), "0x0y1z0 0 0 0 0 0 0 0 0 0 0 0 0");
}

TEST(GetSetBitTest, ATextOfTheWrongLengthGetsTheSameCuts) {
  EXPECT_EQ(ReadBit("", 0), "");
  EXPECT_EQ(ReplaceBit("", 4, true), "1") << "a replace in an empty text gives the new digit alone";
  EXPECT_EQ(ReadBit("1 0 1", 1), "0");
  EXPECT_EQ(ReadBit("1 0 1", 5), "1") << "past the end: the text's last character";
  EXPECT_EQ(ReplaceBit("1 0 1", 0, false), "01 0 1") << "the tail is the whole short text";
}

TEST(GetSetBitTest, ABitNumberOutside0To15RaisesError5AndLeavesTheResult) {
  for (int position : {16, -1, 100}) {
    for (bool replace : {false, true}) {
      for (bool fromRight : {false, true}) {
        std::string result = "untouched";
        EXPECT_EQ(RaisedNumber([&] { GetSetBit(kZeros, result, replace, position, true, fromRight); }), 5)
            << "position " << position << (replace ? " replace" : " read")
            << (fromRight ? " from right" : "");
        EXPECT_EQ(result, "untouched");
      }
    }
  }
  EXPECT_EQ(RaisedNumber([] { ReadBit(kZeros, 15, true); }), 0);
}

TEST(GetSetHexDigitTest, ReadsADigitsValueInEitherLetterCase) {
  EXPECT_EQ(ReadDigit("0 0 A 1", 2), HexDigitResult(10.0));
  EXPECT_EQ(ReadDigit("0 0 A 1", 3), HexDigitResult(1.0));
  EXPECT_EQ(ReadDigit("0 0 0 F", 3), HexDigitResult(15.0));
  EXPECT_EQ(ReadDigit("0 0 0 f", 3), HexDigitResult(15.0));
  EXPECT_EQ(ReadDigit("9 0 0 0", 0), HexDigitResult(9.0));
  EXPECT_EQ(ReadDigit("0 0 G 1", 2), HexDigitResult(0.0)) << "no hex digit reads as 0";
  EXPECT_EQ(ReadDigit("", 1), HexDigitResult(0.0));
}

TEST(GetSetHexDigitTest, ReplacingPutsTheNewDigitAsItIs) {
  EXPECT_EQ(ReplaceDigit("0 0 0 F", 0, "8"), HexDigitResult(std::string("8 0 0 F")));
  EXPECT_EQ(ReplaceDigit("0:0;0,F", 2, "1"), HexDigitResult(std::string("0:0;1,F")));
  EXPECT_EQ(ReplaceDigit("0 0 0 F", 3, "0"), HexDigitResult(std::string("0 0 0 0")));
  EXPECT_EQ(ReplaceDigit("0 0 0 0", 1, "AB"), HexDigitResult(std::string("0 AB 0 0")))
      << "not length-checked";
  EXPECT_EQ(ReplaceDigit("", 2, "3"), HexDigitResult(std::string("3")));
}

TEST(GetSetHexDigitTest, ADigitNumberOutside0To3RaisesError5AndLeavesTheResult) {
  for (int position : {4, -1}) {
    for (bool replace : {false, true}) {
      HexDigitResult result = std::string("untouched");
      EXPECT_EQ(RaisedNumber([&] { GetSetHexDigit("0 0 0 0", result, replace, position, "1", 0); }), 5)
          << "position " << position << (replace ? " replace" : " read");
      EXPECT_EQ(result, HexDigitResult(std::string("untouched")));
    }
  }
}

}  // namespace
