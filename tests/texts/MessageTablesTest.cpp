#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "texts/TextTables.h"

namespace qvr {
namespace {

TextTables Filled(Language language) {
  TextTables tables;
  FillTextTables(language, tables);
  return tables;
}

template <typename Table>
std::size_t CountSet(const Table& table) {
  return static_cast<std::size_t>(
      std::count_if(table.begin(), table.end(), [](const std::string& s) { return !s.empty(); }));
}

TEST(LanguageRule, OnlyTheExactLowerCaseValuesChooseALanguage) {
  EXPECT_EQ(LanguageFromRegistryValue("english"), Language::English);
  EXPECT_EQ(LanguageFromRegistryValue("german"), Language::German);
  for (const char* other : {"English", "German", "Deutsch", "", " english", "german ", "englisch"})
    EXPECT_EQ(LanguageFromRegistryValue(other), Language::None) << '"' << other << '"';
}

TEST(MessageTables, NoLanguageLeavesEveryEntryAsItWas) {
  TextTables tables;
  tables.MsgMain[5] = "kept";
  FillTextTables(LanguageFromRegistryValue("English"), tables);
  EXPECT_EQ(tables.MsgMain[5], "kept");
  EXPECT_EQ(CountSet(tables.MsgMain), 1u);
  EXPECT_EQ(CountSet(tables.MsgFramework), 0u);
  EXPECT_EQ(CountSet(tables.MsgPlugInAPI), 0u);
  EXPECT_EQ(CountSet(tables.HelpTextNci) + CountSet(tables.HelpTextNvi) + CountSet(tables.HelpTextNvo), 0u);
}

TEST(MessageTables, EnglishTextsKeepTheirBlanksAndSpellings) {
  const TextTables t = Filled(Language::English);
  EXPECT_EQ(t.MsgPlugInAPI[10],
            "Can not modify the minimzed property when invisble. The property will be applied the next time "
            "the plug-in is made visible");
  EXPECT_EQ(t.MsgPlugInAPI[6], "Cannot open the network ");
  EXPECT_EQ(t.MsgPlugInAPI[0], "Registering plug-in . . .");
  EXPECT_EQ(t.MsgMain[18], "Transmit parameters to the current Device ?");
  EXPECT_EQ(t.MsgMain[5], "Reading Network variables... ");
  EXPECT_EQ(t.MsgMain[30], " not possible to synchronize !");
  EXPECT_EQ(t.MsgMain[35], "  repeating...");
  EXPECT_EQ(t.MsgMain[20],
            "A director is using this plug-in.  Exiting may cause the director to experience errors.  Are "
            "you sure that you want to exit?");
  EXPECT_EQ(t.MsgMain[8], "Function:");
  EXPECT_EQ(t.MsgMain[36], "SNVT Type:");
  EXPECT_EQ(t.MsgMain[37], "SCPT Type:");
  EXPECT_EQ(t.MsgMain[46],
            "Plug-In installation successful. To finish installation please start the "
            "network-managment-tool again!");
  EXPECT_EQ(t.MsgMain[47], "For canceling the data transfer please close the state-window.");
  EXPECT_EQ(t.MsgFramework[10], " does not exisit in the Windows registery");
  EXPECT_EQ(t.MsgFramework[26], "The device template '");
  EXPECT_EQ(t.MsgFramework[27].rfind("' is no longer referenced", 0), 0u);
  EXPECT_EQ(t.MsgFramework[30], "create Templates...");
}

TEST(MessageTables, GermanTextsAreUtf8AndKeepTheirEnglishParts) {
  const TextTables de = Filled(Language::German);
  const TextTables en = Filled(Language::English);
  EXPECT_EQ(de.MsgMain[18], "Parameter zu dem aktuellen Gerät übertragen?");
  EXPECT_EQ(de.MsgMain[8], "Funktion:");
  EXPECT_EQ(de.MsgMain[36], "SNVT Typ:");
  EXPECT_EQ(de.MsgMain[47], "Zum Abbrechen der Datenübertragung Status-Fenster schließen.");
  EXPECT_EQ(de.MsgFramework[0], "Öffne den Objektserver");
  EXPECT_EQ(de.MsgFramework[4], " Registrierung als COM server ist fehlgeschlagen");
  EXPECT_EQ(de.MsgPlugInAPI[0], "Registeriere plug-in . . .");
  EXPECT_EQ(de.MsgMain[0].rfind("Das 'device resource file' für dieses Gerät", 0), 0u);
  EXPECT_NE(de.MsgMain[0].find("Browsing and data formating capabilities"), std::string::npos);
  for (int i : {1, 7, 20, 21, 22}) EXPECT_EQ(de.MsgMain[i], en.MsgMain[i]) << i;
  EXPECT_EQ(de.MsgPlugInAPI[10], en.MsgPlugInAPI[10]);
}

TEST(MessageTables, UnlistedEntriesAreNeverWrittenInEitherLanguage) {
  for (Language language : {Language::English, Language::German}) {
    const TextTables t = Filled(language);
    EXPECT_EQ(CountSet(t.MsgMain), 46u);
    EXPECT_EQ(CountSet(t.MsgFramework), 31u);
    EXPECT_EQ(CountSet(t.MsgPlugInAPI), 10u);
    for (int i : {44, 45, 48}) EXPECT_TRUE(t.MsgMain[i].empty()) << i;
    for (int i : {31, 32}) EXPECT_TRUE(t.MsgFramework[i].empty()) << i;
    EXPECT_TRUE(t.MsgPlugInAPI[8].empty());

    TextTables prefilled;
    prefilled.MsgMain.fill("old");
    prefilled.MsgPlugInAPI.fill("old");
    prefilled.HelpTextNci.fill("old");
    FillTextTables(language, prefilled);
    EXPECT_EQ(prefilled.MsgMain[44], "old");
    EXPECT_EQ(prefilled.MsgMain[48], "old");
    EXPECT_EQ(prefilled.MsgPlugInAPI[8], "old");
    EXPECT_EQ(prefilled.HelpTextNci[56], "old");
    EXPECT_NE(prefilled.MsgMain[43], "old");
  }
}

TEST(MessageTables, NoMessageHoldsALineBreak) {
  for (Language language : {Language::English, Language::German}) {
    const TextTables t = Filled(language);
    const auto expectSingleLine = [](const auto& table) {
      for (const std::string& text : table) EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << text;
    };
    expectSingleLine(t.MsgMain);
    expectSingleLine(t.MsgFramework);
    expectSingleLine(t.MsgPlugInAPI);
  }
}

}  // namespace
}  // namespace qvr
