#include "texts/TextTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

namespace texts_test {
namespace {

using qvr::Language;
using qvr::TextTables;

TextTables Filled(Language language) {
  TextTables tables;
  qvr::FillTextTables(language, tables);
  return tables;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  lines.push_back(text.substr(start));
  return lines;
}

template <typename Table>
std::size_t CountSet(const Table& table) {
  return static_cast<std::size_t>(
      std::count_if(table.begin(), table.end(), [](auto& s) { return !s.empty(); }));
}

struct Labels {
  Language language;
  std::string type;  // "Type" or "Typ"
  std::string function;
};
const Labels kBoth[] = {{Language::English, "Type", "Function:"}, {Language::German, "Typ", "Funktion:"}};

TEST(TextTables, OnlyExactlyGermanChoosesGermanAndEveryOtherValueEnglish) {
  EXPECT_EQ(qvr::LanguageFromRegistryValue("german"), Language::German);
  for (const char* other : {"english", "English", "German", "Deutsch", "", " english", "german "})
    EXPECT_EQ(qvr::LanguageFromRegistryValue(other), Language::English) << '"' << other << '"';
}

TEST(TextTables, BothLanguagesFillTheSameEntriesAndNeverTheUnlistedOnes) {
  for (Language language : {Language::English, Language::German}) {
    SCOPED_TRACE(static_cast<int>(language));
    const TextTables t = Filled(language);
    EXPECT_EQ(CountSet(t.MsgMain), 48u);
    EXPECT_EQ(CountSet(t.MsgFramework), 36u);
    EXPECT_EQ(CountSet(t.MsgPlugInAPI), 10u);
    EXPECT_EQ(CountSet(t.MsgDirector), 6u);
    EXPECT_EQ(CountSet(t.HelpTextNvi), 25u);
    EXPECT_EQ(CountSet(t.HelpTextNvo), 20u);
    EXPECT_EQ(CountSet(t.HelpTextNci), 56u);
    const auto expectSingleLines = [](const auto& table) {
      for (const std::string& text : table) EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << text;
    };
    expectSingleLines(t.MsgMain);
    expectSingleLines(t.MsgFramework);
    expectSingleLines(t.MsgPlugInAPI);
    expectSingleLines(t.MsgDirector);

    TextTables prefilled;
    prefilled.MsgMain.fill("old");
    prefilled.MsgFramework.fill("old");
    prefilled.MsgPlugInAPI.fill("old");
    prefilled.HelpTextNci.fill("old");
    qvr::FillTextTables(language, prefilled);
    for (int i : {44, 48}) EXPECT_EQ(prefilled.MsgMain[i], "old") << i;
    EXPECT_EQ(prefilled.MsgFramework[32], "old");
    EXPECT_EQ(prefilled.MsgPlugInAPI[8], "old");
    EXPECT_EQ(prefilled.HelpTextNci[56], "old");
    EXPECT_NE(prefilled.MsgMain[43], "old");
  }
}

// The help pane finds its heading and label by these texts, and the system's texts keep their blanks and
// spellings; the German ones are UTF-8.
TEST(TextTables, SampleMessagesReadExactly) {
  const TextTables en = Filled(Language::English);
  const TextTables de = Filled(Language::German);
  EXPECT_EQ(en.MsgMain[8], "Function:");
  EXPECT_EQ(en.MsgMain[36], "SNVT Type:");
  EXPECT_EQ(de.MsgMain[8], "Funktion:");
  EXPECT_EQ(de.MsgMain[36], "SNVT Typ:");
  EXPECT_EQ(en.MsgMain[30], " not possible to synchronize !");
  EXPECT_EQ(en.MsgPlugInAPI[10],
            "Can not modify the minimzed property when invisble. The property will be applied the next time "
            "the plug-in is made visible");
  EXPECT_EQ(de.MsgMain[18], "Parameter zu dem aktuellen Gerät übertragen?");
  EXPECT_TRUE(de.HelpTextNci[50].ends_with("4-Leiter-System (default)")) << de.HelpTextNci[50];
}

// Every help text: the type label, the type line, for network variables "(name)" and an empty line, then
// the function label and the description; CR LF between lines and none at either end. The type line and
// the heading's kind read the same in both languages.
TEST(TextTables, EveryHelpTextFollowsTheLayoutInBothLanguages) {
  const TextTables en = Filled(Language::English);
  const TextTables de = Filled(Language::German);
  const std::regex nvType("SNVT_[a-z_]+, Index [0-9]+");
  const std::regex cpType("[SU]CPT[A-Za-z0-9]+, Index [0-9]+, [SU]NVT_[a-z0-9_]+");
  for (const Labels& lang : kBoth) {
    const TextTables& t = lang.language == Language::English ? en : de;
    const auto check = [&](const std::string& text, const std::string& what, bool variable) {
      SCOPED_TRACE(what);
      const std::vector<std::string> lines = Lines(text);
      ASSERT_GE(lines.size(), variable ? 6u : 4u) << text;
      for (const std::string& line : lines) EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
      // A reference to the documentation closes the text.
      const bool english = lang.language == Language::English;
      if (text.find(english ? "Please look at the Device" : "Weitere Informationen") != std::string::npos) {
        EXPECT_TRUE(text.ends_with(english ? "for more details." : "Softwaredokumentation")) << text;
      }
      if (variable) {
        EXPECT_TRUE(lines[0].starts_with("SNVT Typ")) << lines[0];
        EXPECT_TRUE(std::regex_match(lines[1], nvType)) << lines[1];
        EXPECT_TRUE(lines[2].starts_with("(nv") && lines[2].find(')') != std::string::npos) << lines[2];
        EXPECT_EQ(lines[3], "");
        EXPECT_EQ(lines[4], lang.function);
      } else {
        EXPECT_TRUE(lines[0] == "SCPT " + lang.type + ":" || lines[0] == "UCPT " + lang.type + ":")
            << lines[0];
        EXPECT_TRUE(std::regex_match(lines[1], cpType)) << lines[1];
        EXPECT_EQ(lines[2], lang.function);
      }
    };
    for (std::size_t row = 0; row < 25; ++row) {
      check(t.HelpTextNvi[row], "nvi " + std::to_string(row), true);
      EXPECT_EQ(Lines(en.HelpTextNvi[row])[1], Lines(de.HelpTextNvi[row])[1]) << row;
    }
    for (std::size_t row = 0; row < 20; ++row) check(t.HelpTextNvo[row], "nvo " + std::to_string(row), true);
    for (std::size_t row = 0; row < 56; ++row) {
      check(t.HelpTextNci[row], "nci " + std::to_string(row), false);
      EXPECT_EQ(Lines(en.HelpTextNci[row])[1], Lines(de.HelpTextNci[row])[1]) << row;
      EXPECT_EQ(en.HelpTextNci[row].substr(0, 4), de.HelpTextNci[row].substr(0, 4)) << row;
    }
  }
  EXPECT_EQ(Lines(en.HelpTextNci[36])[1], "UCPTdiConfig, Index 44, UNVT_str_hex4");
  EXPECT_EQ(Lines(de.HelpTextNvo[9])[2], "(nvoSpaceTemp)");
}

}  // namespace
}  // namespace texts_test
