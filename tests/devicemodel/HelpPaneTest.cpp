#include "DeviceModelTestSupport.h"
#include "platform/ui/Utf8.h"

namespace devicemodel_test {
namespace {

constexpr int kBoldAndUnderline = 3;

// One digit per character of the pane's text: its emphasis (bit 0 bold, bit 1 underline).
std::string EmphasisOf(const ui::RichTextBox& pane) {
  std::string digits;
  for (int position = 0; position < ui::CharCount(pane.Text()); ++position) {
    digits += static_cast<char>('0' + pane.EmphasisAt(position));
  }
  return digits;
}

struct Range {
  int start;
  int length;
};

std::string Expected(const std::string& text, std::initializer_list<Range> emphasised) {
  std::string digits(static_cast<std::size_t>(ui::CharCount(text)), '0');
  for (const Range& range : emphasised) {
    for (int position = range.start; position < range.start + range.length; ++position) {
      digits[static_cast<std::size_t>(position)] = static_cast<char>('0' + kBoldAndUnderline);
    }
  }
  return digits;
}

int CharPosition(const std::string& text, const std::string& what) {
  const auto byte = text.find(what);
  return byte == std::string::npos ? -1 : ui::CharCount(std::string_view(text).substr(0, byte));
}

class HelpPaneTest : public DeviceModelTest {
 protected:
  ui::RichTextBox& pane() { return window().RTHinweis; }

  void Focus(const std::string& kind, std::int16_t row, const std::string& programId = kQvrl207) {
    Apply(programId, 0, kind, row);
  }

  // The pane shows `text` with the heading's length and the label emphasised, the caret at 130.
  void ExpectHelp(const std::string& text, int headingLength, const std::string& label) {
    EXPECT_EQ(pane().Text(), text);
    const int labelStart = CharPosition(text, label);
    ASSERT_GE(labelStart, 0) << text;
    EXPECT_EQ(EmphasisOf(pane()), Expected(text, {{0, headingLength}, {labelStart, ui::CharCount(label)}}));
    EXPECT_EQ(pane().SelStart(), std::min(130, ui::CharCount(text)));
  }
};

TEST_F(HelpPaneTest, EachKindOfDataPointShowsItsHelpWithHeadingAndLabelEmphasised) {
  OpenDevice(kQvrl207);
  const qvr::TextTables& texts = program.texts;
  ASSERT_EQ(texts.HelpTextNvi[15].rfind("SNVT Type:", 0), 0u);

  Focus("Nvi", 15);
  ExpectHelp(texts.HelpTextNvi[15], 10, "Function:");
  Focus("Nvo", 3);
  ExpectHelp(texts.HelpTextNvo[3], 10, "Function:");
  Focus("Nci", 49);
  ExpectHelp(texts.HelpTextNci[49], 10, "Function:");

  // A maker's property begins "UCPT Type:"; the heading is emphasised by the length of "SCPT Type:".
  ASSERT_EQ(texts.HelpTextNci[21].rfind("UCPT Type:", 0), 0u);
  Focus("Nci", 21, kQvrl105);
  ExpectHelp(texts.HelpTextNci[21], 10, "Function:");
}

TEST_F(HelpPaneTest, GermanHeadingsAreNineCharactersLong) {
  fixture.SetLanguage("german");
  OpenDevice(kQvrl106);
  ASSERT_EQ(program.texts.HelpTextNvi[3].rfind("SNVT Typ:", 0), 0u);
  Focus("Nvi", 3, kQvrl106);
  ExpectHelp(program.texts.HelpTextNvi[3], 9, "Funktion:");
  Focus("Nci", 36, kQvrl106);
  ExpectHelp(program.texts.HelpTextNci[36], 9, "Funktion:");
}

TEST_F(HelpPaneTest, TheEmphasisOfTheTextBeforeNeverCarriesOver) {
  OpenDevice(kQvrl207);
  qvr::TextTables& texts = program.texts;
  texts.HelpTextNvi[0] = "SNVT Type:\r\nA long first line\r\n\r\nFunction:\r\n" + std::string(200, 'x');
  texts.HelpTextNvi[1] = "SNVT Type:\r\nB\r\nFunction:\r\n" + std::string(200, 'y');
  Focus("Nvi", 0);
  Focus("Nvi", 1);
  ExpectHelp(texts.HelpTextNvi[1], 10, "Function:");

  // Other kinds choose no text and no heading: the text stays and only the label keeps its emphasis.
  const int label = CharPosition(texts.HelpTextNvi[1], "Function:");
  Focus("nvi", 0);
  EXPECT_EQ(pane().Text(), texts.HelpTextNvi[1]);
  EXPECT_EQ(EmphasisOf(pane()), Expected(texts.HelpTextNvi[1], {{label, 9}}));

  // A row outside its table keeps the text, formatted anew.
  for (const auto& [kind, row] :
       {std::pair<std::string, std::int16_t>{"Nvo", 21}, {"Nci", 57}, {"Nvi", -1}}) {
    Focus("Nvi", 1);
    pane().SetSelStart(0);
    pane().SetSelLength(40);
    pane().SetSelBold(true);
    Focus(kind, row);
    EXPECT_EQ(pane().Text(), texts.HelpTextNvi[1]) << kind << row;
    EXPECT_EQ(EmphasisOf(pane()), Expected(texts.HelpTextNvi[1], {{0, 10}, {label, 9}})) << kind << row;
  }

  // The rows that the texts leave empty empty the pane.
  Focus("Nvi", 25);
  EXPECT_EQ(pane().Text(), "");
}

TEST_F(HelpPaneTest, OnlyALabelWithinTheFirstThousandCharactersIsEmphasised) {
  OpenDevice(kQvrl207);
  qvr::TextTables& texts = program.texts;
  texts.HelpTextNvo[0] = "SNVT Type:" + std::string(985, '-') + "Function: late";     // ends at 1004
  texts.HelpTextNvo[1] = "SNVT Type:" + std::string(981, '-') + "Function: in time";  // ends at 1000
  Focus("Nvo", 0);
  EXPECT_EQ(EmphasisOf(pane()), Expected(texts.HelpTextNvo[0], {{0, 10}}));
  Focus("Nvo", 1);
  EXPECT_EQ(EmphasisOf(pane()), Expected(texts.HelpTextNvo[1], {{0, 10}, {991, 9}}));

  // However long the label, a text without it gets nothing beyond its heading.
  texts.MsgMain[8] = "What the function does:";
  Focus("Nvo", 0);
  EXPECT_EQ(EmphasisOf(pane()), Expected(texts.HelpTextNvo[0], {{0, 10}}));
}

TEST_F(HelpPaneTest, CallsWithoutAKindOrForAnotherMakersDeviceLeaveThePaneAlone) {
  OpenDevice(kQvrl207);
  Focus("Nvi", 4);
  const std::string text = pane().Text();
  const std::string emphasis = EmphasisOf(pane());
  ASSERT_FALSE(text.empty());

  Apply(kQvrl207, 0, "", 5, 100, -1);  // a tab change
  EXPECT_EQ(pane().Text(), text);
  EXPECT_EQ(EmphasisOf(pane()), emphasis);
  for (const std::string other : {"9fff6e0a5a06040b", "0123456789ABCDEF", ""}) {
    Focus("Nvi", 5, other);
    EXPECT_EQ(pane().Text(), text) << other;
    EXPECT_EQ(EmphasisOf(pane()), emphasis) << other;
  }
}

}  // namespace
}  // namespace devicemodel_test
