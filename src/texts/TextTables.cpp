#include "texts/TextTables.h"

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>

#include "texts/HelpTextData.h"
#include "texts/MessageData.h"

namespace qvr {
namespace {

using text_data::IndexedText;
using text_data::NciHelpRow;
using text_data::NvHelpRow;

struct LanguageSource {
  text_data::MessageTexts messages;
  std::string_view functionLabel;
  std::span<const NciHelpRow, text_data::kNciHelpRows> nci;
  std::span<const NvHelpRow, text_data::kNviHelpRows> nvi;
  std::span<const NvHelpRow, text_data::kNvoHelpRows> nvo;
};

LanguageSource EnglishSource() {
  return {text_data::EnglishMessages(), "Function:", text_data::EnglishNciHelpRows(),
          text_data::EnglishNviHelpRows(), text_data::EnglishNvoHelpRows()};
}

LanguageSource GermanSource() {
  return {text_data::GermanMessages(), "Funktion:", text_data::GermanNciHelpRows(),
          text_data::GermanNviHelpRows(), text_data::GermanNvoHelpRows()};
}

std::string JoinLines(std::initializer_list<std::string_view> lines) {
  std::string text;
  bool first = true;
  for (std::string_view line : lines) {
    if (!first) text += kLineBreak;
    text += line;
    first = false;
  }
  return text;
}

// Network variables carry their name and an empty line before the function label.
std::string HelpText(const NvHelpRow& row, std::string_view functionLabel) {
  return JoinLines({row.label, row.type, row.variable, "", functionLabel, row.description});
}

std::string HelpText(const NciHelpRow& row, std::string_view functionLabel) {
  return JoinLines({row.label, row.type, functionLabel, row.description});
}

template <std::size_t N>
void FillMessages(std::span<const IndexedText> texts, std::array<std::string, N>& table) {
  for (const IndexedText& entry : texts) table.at(static_cast<std::size_t>(entry.index)) = entry.text;
}

// The rows given fill the table from row 0; the table's last row has no data point and stays as it is.
template <typename Row, std::size_t Rows, std::size_t N>
void FillHelp(std::span<const Row, Rows> rows, std::string_view functionLabel,
              std::array<std::string, N>& table) {
  static_assert(Rows + 1 == N);
  for (std::size_t i = 0; i < Rows; ++i) table[i] = HelpText(rows[i], functionLabel);
}

}  // namespace

void FillTextTables(Language language, TextTables& tables) {
  const LanguageSource source = language == Language::English ? EnglishSource() : GermanSource();
  FillMessages(source.messages.MsgFramework, tables.MsgFramework);
  FillMessages(source.messages.MsgPlugInAPI, tables.MsgPlugInAPI);
  FillMessages(source.messages.MsgDirector, tables.MsgDirector);
  FillMessages(source.messages.MsgMain, tables.MsgMain);
  FillHelp(source.nvi, source.functionLabel, tables.HelpTextNvi);
  FillHelp(source.nvo, source.functionLabel, tables.HelpTextNvo);
  FillHelp(source.nci, source.functionLabel, tables.HelpTextNci);
}

}  // namespace qvr
