#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

#include "texts/TextTables.h"

namespace qvr {
namespace {

TextTables Filled(Language language) {
  TextTables tables;
  FillTextTables(language, tables);
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

// Line n of a help text; a missing line reads as a marker, so that a short text fails a test and
// never reads past the end.
std::string LineOf(const std::string& text, std::size_t n) {
  const std::vector<std::string> lines = Lines(text);
  return n < lines.size() ? lines[n] : "<no line " + std::to_string(n) + ">";
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? "\r\n" : "") + lines[i];
  return text;
}

// Every line break is CR LF, and none stands at either end.
void ExpectCleanLineBreaks(const std::string& text) {
  for (const std::string& line : Lines(text))
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << text;
  EXPECT_NE(text.rfind("\r\n", 0), 0u) << text;
  EXPECT_FALSE(text.size() >= 2 && text.ends_with("\r\n")) << text;
}

struct LanguageLabels {
  Language language;
  std::string type;  // "Type" or "Typ"
  std::string function;
};

const LanguageLabels kBoth[] = {{Language::English, "Type", "Function:"},
                                {Language::German, "Typ", "Funktion:"}};

TEST(HelpTexts, NetworkVariableTextsFollowTheLayout) {
  const std::regex typeLine("SNVT_[a-z_]+, Index [0-9]+");
  for (const LanguageLabels& lang : kBoth) {
    const TextTables t = Filled(lang.language);
    const auto check = [&](const auto& table, const std::string& prefix) {
      for (std::size_t row = 0; row + 1 < table.size(); ++row) {
        SCOPED_TRACE(prefix + " row " + std::to_string(row));
        const std::vector<std::string> lines = Lines(table[row]);
        ASSERT_GE(lines.size(), 6u) << table[row];
        EXPECT_TRUE(lines[0].starts_with("SNVT Typ")) << lines[0];
        EXPECT_TRUE(std::regex_match(lines[1], typeLine)) << lines[1];
        EXPECT_TRUE(lines[2].starts_with("(" + prefix)) << lines[2];
        EXPECT_TRUE(lines[2].ends_with(")") || lines[2].ends_with(") ")) << lines[2];
        EXPECT_EQ(lines[3], "");
        EXPECT_EQ(lines[4], lang.function);
        ExpectCleanLineBreaks(table[row]);
      }
      EXPECT_EQ(table.back(), "") << "the last declared row has no data point";
    };
    check(t.HelpTextNvi, "nvi");
    check(t.HelpTextNvo, "nvo");
  }
}

TEST(HelpTexts, NetworkVariableLabelsKeepTheirOddities) {
  const TextTables en = Filled(Language::English);
  const TextTables de = Filled(Language::German);
  const std::set<std::size_t> trailingBlank = {15, 16, 17, 19};
  for (std::size_t row = 0; row < 25; ++row) {
    const bool blank = trailingBlank.count(row) > 0;
    EXPECT_EQ(LineOf(en.HelpTextNvi[row], 0), blank ? "SNVT Type: " : "SNVT Type:") << row;
    const std::string german = (row == 9 || row == 13) ? "SNVT Type:" : blank ? "SNVT Typ: " : "SNVT Typ:";
    EXPECT_EQ(LineOf(de.HelpTextNvi[row], 0), german) << row;
  }
  for (std::size_t row = 0; row < 20; ++row) {
    EXPECT_EQ(LineOf(en.HelpTextNvo[row], 0), "SNVT Type:") << row;
    EXPECT_EQ(LineOf(de.HelpTextNvo[row], 0), "SNVT Typ:") << row;
  }
  EXPECT_EQ(LineOf(en.HelpTextNvi[0], 2), "(nviOcManOverride) ");
  EXPECT_EQ(LineOf(en.HelpTextNvi[2], 2), "(nviOcOccupancy)");
  EXPECT_EQ(LineOf(de.HelpTextNvi[2], 2), "(nviOcOccupancy) ");
  EXPECT_EQ(LineOf(de.HelpTextNvi[13], 2), "(nviLuxSetpoint) ");
  EXPECT_EQ(LineOf(en.HelpTextNvo[5], 2), "(nvoLcLampValue)");
  EXPECT_EQ(LineOf(de.HelpTextNvo[6], 2), "(nvoLcLampValue[1])");
  for (std::size_t row = 6; row < 10; ++row) {
    EXPECT_EQ(LineOf(en.HelpTextNvi[row], 1), LineOf(en.HelpTextNvi[row + 4], 1)) << row;
    EXPECT_EQ(LineOf(en.HelpTextNvi[row], 2), LineOf(en.HelpTextNvi[row + 4], 2)) << row;
  }
  EXPECT_NE(en.HelpTextNvi[6], en.HelpTextNvi[10]);
}

TEST(HelpTexts, ConfigurationPropertyTextsFollowTheLayout) {
  const std::regex typeLine("[SU]CPT[A-Za-z0-9]+, Index [0-9]+, [SU]NVT_[a-z0-9_]+");
  const TextTables en = Filled(Language::English);
  const TextTables de = Filled(Language::German);
  for (const LanguageLabels& lang : kBoth) {
    const auto& table = lang.language == Language::English ? en.HelpTextNci : de.HelpTextNci;
    for (std::size_t row = 0; row < 56; ++row) {
      SCOPED_TRACE("nci row " + std::to_string(row));
      const std::vector<std::string> lines = Lines(table[row]);
      ASSERT_GE(lines.size(), 4u) << table[row];
      EXPECT_TRUE(lines[0] == "SCPT " + lang.type + ":" || lines[0] == "UCPT " + lang.type + ":") << lines[0];
      EXPECT_TRUE(std::regex_match(lines[1], typeLine)) << lines[1];
      EXPECT_EQ(lines[2], lang.function);
      ExpectCleanLineBreaks(table[row]);
      // The heading kind and the type line read the same in both languages.
      EXPECT_EQ(LineOf(en.HelpTextNci[row], 0).substr(0, 4), LineOf(de.HelpTextNci[row], 0).substr(0, 4));
      EXPECT_EQ(LineOf(en.HelpTextNci[row], 1), LineOf(de.HelpTextNci[row], 1));
    }
    EXPECT_EQ(table[56], "");
  }
  EXPECT_EQ(LineOf(en.HelpTextNci[52], 0), "UCPT Type:");
  EXPECT_EQ(LineOf(en.HelpTextNci[52], 1), "SCPTmaxSendTime, Index 49, SNVT_time_sec");
  EXPECT_EQ(LineOf(en.HelpTextNci[51], 1), "SCPToffsetTemp, Index 70, SNVT_temp_p");
  for (std::size_t row = 11; row <= 21; ++row) {
    EXPECT_EQ(LineOf(en.HelpTextNci[row], 0), LineOf(en.HelpTextNci[row + 11], 0)) << row;
    EXPECT_EQ(LineOf(en.HelpTextNci[row], 1), LineOf(en.HelpTextNci[row + 11], 1)) << row;
  }
}

TEST(HelpTexts, PresetValuesAreNamedWhereTheDeviceHasOne) {
  const TextTables en = Filled(Language::English);
  const TextTables de = Filled(Language::German);
  const std::set<std::size_t> withoutPreset = {6, 49, 51};
  // The German text of row 36 is the device documentation's own and leaves the preset out.
  const std::set<std::size_t> withoutGermanPreset = {6, 36, 49, 51};
  for (std::size_t row = 0; row < 56; ++row) {
    const std::string& english = en.HelpTextNci[row];
    const bool englishNamesIt = english.find("Preset value:") != std::string::npos ||
                                english.find("Preset valuet:") != std::string::npos ||
                                english.find("(default)") != std::string::npos;
    const bool germanNamesIt = de.HelpTextNci[row].find("Voreingestellter Wert") != std::string::npos ||
                               de.HelpTextNci[row].find("(default)") != std::string::npos;
    EXPECT_EQ(englishNamesIt, !withoutPreset.count(row)) << row;
    EXPECT_EQ(germanNamesIt, !withoutGermanPreset.count(row)) << row;
  }
  for (std::size_t row : {11u, 22u}) EXPECT_TRUE(en.HelpTextNci[row].ends_with("(Preset valuet: 500 lux)"));
  EXPECT_TRUE(de.HelpTextNci[50].ends_with("4-Leiter-System (default)"));
  EXPECT_TRUE(en.HelpTextNci[2].ends_with("(Preset value: 600,0 sec = 10 min)"));
  EXPECT_TRUE(en.HelpTextNci[7].ends_with("(Preset value: 0 Lux==> Field Calibration deactivated)"));
  EXPECT_TRUE(en.HelpTextNci[17].ends_with("(Preset value: {SET_OFF,0,0} )"));
  EXPECT_TRUE(en.HelpTextNci[50].ends_with("SCPTnumValves = 2: ==> 4-Pipe-System (default)"));
  EXPECT_TRUE(en.HelpTextNci[54].ends_with("\r\nPreset value: HVAC_AUTO"));
  EXPECT_TRUE(en.HelpTextNci[55].ends_with("(Preset value: 10 °C)"));
}

TEST(HelpTexts, OnlyTheNamedRowsReferToTheDocumentation) {
  const std::string germanSentence = "Weitere Informationen entnehmen Sie bitte der Softwaredokumentation";
  const TextTables en = Filled(Language::English);
  const TextTables de = Filled(Language::German);
  const auto refersToDocs = [&](const std::string& text, bool english) {
    const bool found = english ? text.ends_with("Please look at the Device discription for more details.") ||
                                     text.ends_with("Please look at the Device description for more details.")
                               : text.ends_with(germanSentence);
    const bool mentioned =
        text.find(english ? "Please look at the Device" : germanSentence) != std::string::npos;
    EXPECT_EQ(found, mentioned) << "the sentence ends the text: " << text;
    return found;
  };
  for (bool english : {true, false}) {
    const TextTables& t = english ? en : de;
    for (std::size_t row = 0; row < 26; ++row)
      EXPECT_EQ(refersToDocs(t.HelpTextNvi[row], english), row == 7 || row == 8 || row == 11 || row == 12)
          << row;
    for (std::size_t row = 0; row < 21; ++row)
      EXPECT_EQ(refersToDocs(t.HelpTextNvo[row], english), row == 7 || row == 8) << row;
    for (std::size_t row = 0; row < 57; ++row)
      EXPECT_EQ(refersToDocs(t.HelpTextNci[row], english), row == 19 || row == 30 || row == 36) << row;
  }
  for (std::size_t row : {8u, 11u})
    EXPECT_TRUE(en.HelpTextNvi[row].ends_with("Device description for more details."));
  for (std::size_t row : {7u, 12u})
    EXPECT_TRUE(en.HelpTextNvi[row].ends_with("Device discription for more details."));
}

TEST(HelpTexts, TextsGivenInFullReadExactly) {
  const TextTables en = Filled(Language::English);
  const TextTables de = Filled(Language::German);
  EXPECT_EQ(en.HelpTextNvi[1],
            Joined({"SNVT Type:", "SNVT_occupancy, Index 109", "(nviOcSecondary)", "", "Function:",
                    "Input variable of a neighbour occupancy sensor with the current room occupancy of a "
                    "neighbour area. (Initialisation value after reset: OC_NULL)."}));
  EXPECT_EQ(
      de.HelpTextNvi[1],
      Joined({"SNVT Typ:", "SNVT_occupancy, Index 109", "(nviOcSecondary)", "", "Funktion:",
              "Eingangsvariable eines benachbarten Bewegungsmelders mit der aktuellen Raumblegung eines "
              "benachbarten Gebietes. (Initialisierungswert nach Reset: OC_NUL)"}));
  EXPECT_EQ(en.HelpTextNvo[9],
            Joined({"SNVT Type:", "SNVT_temp_p, Index 105", "(nvoSpaceTemp)", "", "Function:",
                    "Output variable for measured temperature value. Measuring range 0 - 50°C, resolution "
                    "1/100 °C. Data output is made depending on SCPTmaxSendTime and 5 s after reset."}));
  EXPECT_EQ(de.HelpTextNvo[9],
            Joined({"SNVT Typ:", "SNVT_temp_p, Index 105", "(nvoSpaceTemp)", "", "Funktion:",
                    "Ausgangsvariable für den gemessenen Temperaturwert. Messbereich 0 - 50°C, Auflösung "
                    "1/100 °C. Die Datenausgabe erfolgt in Abhängigkeit von SCPTmaxSendTime und ca. 5 s nach "
                    "Reset."}));
  EXPECT_EQ(en.HelpTextNci[3],
            Joined({"SCPT Type:", "SCPTmaxSendTime, Index 49, SNVT_time_sec", "Function:",
                    "Heartbeat function. Stipulates the interval period, after output variables are sent "
                    "independent of change of result. Heartbeat function is deactivated by input value = 0. ",
                    "(Preset value: 120 sec)"}));
  EXPECT_EQ(Lines(de.HelpTextNci[3]).size(), 4u);
  EXPECT_TRUE(
      de.HelpTextNci[3].ends_with("Legt die  Intervallzeit fest, nach der die Ausgangsvariablen "
                                  "unabhängig einer Ergebnisänderung gesendet werden. Mit Eingabewert "
                                  "= 0 wird die Heartbeatfunktion deaktiviert. (Voreingestellter Wert: "
                                  "120 sec)"));
  EXPECT_EQ(en.HelpTextNci[19],
            Joined({"SCPT Type:", "UCPTgeneralCP1, Index 7, SNVT_state", "Function:",
                    "Configuration property for adjusting the controller functionality. ", "(Preset value:",
                    "UCPTgeneralCP1 = 0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0 = ", "i.e. constant light control) ",
                    "Please look at the Device discription for more details."}));
  const std::vector<std::string> row30 = Lines(en.HelpTextNci[30]);
  const std::vector<std::string> row19 = Lines(en.HelpTextNci[19]);
  ASSERT_EQ(row30.size(), 8u);
  ASSERT_EQ(row19.size(), 8u);
  for (std::size_t line = 4; line <= 6; ++line) EXPECT_EQ(row30[line], row19[line]);
  EXPECT_EQ(
      de.HelpTextNci[19],
      Joined({"SCPT Typ:", "UCPTgeneralCP1, Index 7, SNVT_state", "Funktion:",
              "Konfigurationsparameter zur Einstellung der Reglerfunktionalität. (Voreingestellter Wert: "
              "Konstantlichtregelung)",
              "Weitere Informationen entnehmen Sie bitte der Softwaredokumentation"}));
  EXPECT_EQ(en.HelpTextNci[36],
            Joined({"UCPT Type:", "UCPTdiConfig, Index 44, UNVT_str_hex4", "Function:",
                    "By UCPTdiConfig the digital inputs can be configured for the functions Standard I/O, "
                    "Toggle, Dim or Command Automatic. (Preset value: 0,0,0,0)",
                    "Please look at the Device discription for more details."}));
  EXPECT_EQ(
      de.HelpTextNci[36],
      Joined({"UCPT Typ:", "UCPTdiConfig, Index 44, UNVT_str_hex4", "Funktion:",
              "Konfiguration der digitalen Eingänge für die Funktionen aktiv / nicht aktiv, Licht Toggle, "
              "Licht Toggle Dimmen oder Automatik sowie Auswahl der Kontaktart (Öffner bzw. Schließer). "
              "Weitere Informationen entnehmen Sie bitte der Softwaredokumentation"}));
}

}  // namespace
}  // namespace qvr
