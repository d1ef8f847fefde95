// The parameter file's byte layout: typed values, code page 1252, and the refusal of files that are not
// complete parameter files.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "formats/ParameterFile.h"

namespace mainwindow_test {
namespace {

using qvr::DecodeParameterValues;
using qvr::EncodeParameterValues;
using qvr::ParameterFileError;

std::string Bytes(std::initializer_list<int> bytes) {
  std::string text;
  for (int byte : bytes) text += static_cast<char>(byte);
  return text;
}

// The message of the refusal, or "" when the bytes were accepted.
std::string Refusal(const std::string& bytes, std::size_t rows) {
  try {
    DecodeParameterValues(bytes, rows);
  } catch (const ParameterFileError& error) {
    return error.what();
  }
  return "";
}

using Values = std::vector<qvr::ParameterValue>;

TEST(ParameterFileFormatTest, ValuesAreTypedTextsOrEmptyMarksInRowOrder) {
  const std::string bytes = EncodeParameterValues({"5.0", "", "SET_ON 0.0 0.0"});
  EXPECT_EQ(bytes, Bytes({0x08, 0x00, 0x03, 0x00, '5', '.', '0', 0x00, 0x00, 0x08, 0x00, 0x0E, 0x00}) +
                       "SET_ON 0.0 0.0");
  EXPECT_EQ(DecodeParameterValues(bytes, 3), (Values{"5.0", std::nullopt, "SET_ON 0.0 0.0"}));
  // A zero-length text is a value, unlike the empty mark.
  EXPECT_EQ(DecodeParameterValues(Bytes({0x08, 0x00, 0x00, 0x00}), 1), Values{""});
  // The length is little-endian and counts bytes up to 65535.
  const std::string longest(65535, 'x');
  const std::string encoded = EncodeParameterValues({longest});
  EXPECT_EQ(encoded.substr(0, 4), Bytes({0x08, 0x00, 0xFF, 0xFF}));
  EXPECT_EQ(DecodeParameterValues(encoded, 1).at(0), longest);
  EXPECT_THROW(EncodeParameterValues({longest + "x"}), ParameterFileError);
}

TEST(ParameterFileFormatTest, TextsAreStoredInCodePage1252AndComeBackUnchanged) {
  // One byte per character: the degree sign, the euro sign of the 0x80 range, umlauts.
  const std::vector<std::string> values = {"21.5 \u00B0C", "\u20AC \u00E4\u00DF"};
  const std::string bytes = EncodeParameterValues(values);
  EXPECT_EQ(bytes.substr(0, 4), Bytes({0x08, 0x00, 0x07, 0x00}));
  EXPECT_EQ(bytes.substr(4, 7), "21.5 " + Bytes({0xB0}) + "C");
  EXPECT_EQ(bytes.substr(11), Bytes({0x08, 0x00, 0x04, 0x00, 0x80, ' ', 0xE4, 0xDF}));
  EXPECT_EQ(DecodeParameterValues(bytes, 2), (Values{values[0], values[1]}));
  // What the code page lacks is written as "?": a CJK character, a cut-off UTF-8 sequence.
  EXPECT_EQ(EncodeParameterValues({"a\u4E2Db", Bytes({'c', 0xC3})}),
            Bytes({0x08, 0x00, 0x03, 0x00, 'a', '?', 'b', 0x08, 0x00, 0x02, 0x00, 'c', '?'}));
  // A byte the code page leaves unassigned reads as "?".
  EXPECT_EQ(DecodeParameterValues(Bytes({0x08, 0x00, 0x02, 0x00, 0x81, 'x'}), 1), Values{"?x"});
}

TEST(ParameterFileFormatTest, DamagedFilesAreRefusedAndShortFilesGiveTheirValues) {
  const std::string threeValues = EncodeParameterValues({"1", "22", "333"});
  // A larger model's file gives its first rows, a smaller one what it holds.
  EXPECT_EQ(DecodeParameterValues(threeValues, 2), (Values{"1", "22"}));
  EXPECT_EQ(DecodeParameterValues(threeValues, 4), (Values{"1", "22", "333"}));

  EXPECT_EQ(Refusal("", 1), "The file is empty.");
  // Cut inside the type code, the length or the text of the third value.
  for (std::size_t cut : {12u, 13u, 14u, 16u}) {
    EXPECT_EQ(Refusal(threeValues.substr(0, cut), 3), "The file ends inside value 3: it is incomplete.")
        << cut;
  }
  // A damaged end is refused even beyond the device's rows.
  EXPECT_EQ(Refusal(threeValues.substr(0, 12), 2), "The file ends inside value 3: it is incomplete.");
  // A length that points past the end of the file.
  EXPECT_EQ(Refusal(Bytes({0x08, 0x00, 0xFF, 0x7F, 'a'}), 1),
            "The file ends inside value 1: it is incomplete.");
  EXPECT_EQ(Refusal("Some text file\n", 1),
            "It is not a parameter file: value 1 has the unknown type code 28499.");
  EXPECT_EQ(Refusal(threeValues + Bytes({0x02, 0x00, 0x05, 0x00}), 3),
            "It is not a parameter file: value 4 has the unknown type code 2.");
}

}  // namespace
}  // namespace mainwindow_test
