#include "datapoints/DigitTexts.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/Error.h"

namespace datapoints_test {
namespace {

using qvr::HexDigitResult;

const std::string kZeros = "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0";
const std::string kFirstBitSet = "1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0";
const std::string kLastBitSet = "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1";

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

TEST(DigitTexts, BitsAreReadAndReplacedFromEitherEndKeepingTheSeparators) {
  struct Case {
    std::string text;
    int position;
    bool fromRight;
    std::string expected;
  };
  const std::string bit7 = "0 0 0 0 0 0 0 1 0 0 0 0 0 0 0 0";
  // Texts of the wrong length get the same cuts: past the end reads the last character.
  const Case reads[] = {{kFirstBitSet, 0, false, "1"}, {kFirstBitSet, 0, true, "0"},
                        {kFirstBitSet, 15, true, "1"}, {kFirstBitSet, 15, false, "0"},
                        {bit7, 7, false, "1"},         {bit7, 8, true, "1"},
                        {bit7, 6, false, "0"},         {"", 0, false, ""},
                        {"1 0 1", 1, false, "0"},      {"1 0 1", 5, false, "1"}};
  for (const Case& c : reads) {
    std::string result;
    qvr::GetSetBit(c.text, result, false, c.position, false, c.fromRight);
    EXPECT_EQ(result, c.expected) << c.text << " bit " << c.position << (c.fromRight ? " from right" : "");
  }
  struct Replace {
    Case change;
    bool newBit;
  };
  const Replace replaces[] = {
      {{kZeros, 15, false, kLastBitSet}, true},
      {{kZeros, 0, false, kFirstBitSet}, true},
      {{kFirstBitSet, 0, false, kZeros}, false},
      {{kZeros, 0, true, kLastBitSet}, true},
      {{"0-0-0-0-0-0-0-0-0-0-0-0-0-0-0-0", 3, false, "0-0-0-1-0-0-0-0-0-0-0-0-0-0-0-0"}, true},
      {{"0x0y0z0 0 0 0 0 0 0 0 0 0 0 0 0", 2, false, "0x0y1z0 0 0 0 0 0 0 0 0 0 0 0 0"}, true},
      {{"", 4, false, "1"}, true},
      {{"1 0 1", 0, false, "01 0 1"}, false},  // the tail is the whole short text
  };
  for (const auto& [c, newBit] : replaces) {
    std::string result;
    qvr::GetSetBit(c.text, result, true, c.position, newBit, c.fromRight);
    EXPECT_EQ(result, c.expected) << c.text << " bit " << c.position << (c.fromRight ? " from right" : "");
  }
}

TEST(DigitTexts, HexDigitsAreReadInEitherCaseAndReplacedAsGiven) {
  const auto read = [](const std::string& text, int position) {
    HexDigitResult result;
    qvr::GetSetHexDigit(text, result, false, position, "", 0);
    return result;
  };
  const auto replace = [](const std::string& text, int position, const std::string& digit) {
    HexDigitResult result;
    qvr::GetSetHexDigit(text, result, true, position, digit, 0);
    return result;
  };
  EXPECT_EQ(read("0 0 A 1", 2), HexDigitResult(10.0));
  EXPECT_EQ(read("0 0 A 1", 3), HexDigitResult(1.0));
  EXPECT_EQ(read("0 0 0 F", 3), HexDigitResult(15.0));
  EXPECT_EQ(read("0 0 0 f", 3), HexDigitResult(15.0));
  EXPECT_EQ(read("9 0 0 0", 0), HexDigitResult(9.0));
  EXPECT_EQ(read("0 0 G 1", 2), HexDigitResult(0.0)) << "no hex digit reads as 0";
  EXPECT_EQ(read("", 1), HexDigitResult(0.0));
  EXPECT_EQ(replace("0 0 0 F", 0, "8"), HexDigitResult(std::string("8 0 0 F")));
  EXPECT_EQ(replace("0:0;0,F", 2, "1"), HexDigitResult(std::string("0:0;1,F")));
  EXPECT_EQ(replace("0 0 0 F", 3, "0"), HexDigitResult(std::string("0 0 0 0")));
  EXPECT_EQ(replace("0 0 0 0", 1, "AB"), HexDigitResult(std::string("0 AB 0 0"))) << "not length-checked";
  EXPECT_EQ(replace("", 2, "3"), HexDigitResult(std::string("3")));
}

TEST(DigitTexts, APositionOutOfRangeRaisesError5AndLeavesTheResult) {
  for (bool replace : {false, true}) {
    for (int position : {16, -1, 100}) {
      for (bool fromRight : {false, true}) {
        std::string result = "untouched";
        EXPECT_EQ(RaisedNumber([&] { qvr::GetSetBit(kZeros, result, replace, position, true, fromRight); }),
                  5)
            << position << replace << fromRight;
        EXPECT_EQ(result, "untouched");
      }
    }
    for (int position : {4, -1}) {
      HexDigitResult result = std::string("untouched");
      EXPECT_EQ(RaisedNumber([&] { qvr::GetSetHexDigit("0 0 0 0", result, replace, position, "1", 0); }), 5)
          << position << replace;
      EXPECT_EQ(result, HexDigitResult(std::string("untouched")));
    }
  }
}

}  // namespace
}  // namespace datapoints_test
