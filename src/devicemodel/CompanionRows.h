#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "devicemodel/ValueTexts.h"
#include "platform/ui/ComboBox.h"

namespace qvr {

// The rows whose value the main window also offers as a choice in companion combo boxes, one entry each:
// the property rows with cmb_nci, the inputs with cmb_nvi. The combos' follow of a box, their Click, the
// decoding of values read and the setting boxes all read a row here, so that a box, its choices and its
// setting box agree about a text as the device reads it.

enum class RowKind { Property, Input };

// What an entry's own value text is made of.
struct EntrySource {
  std::string boxText;       // the box's text, whose bits or hex digits an entry replaces
  std::string settingValue;  // the setting value that a setting's function keeps
  std::string item;          // the combo's text of the entry
  std::string decimalSep;
};

struct CompanionChoice {
  int combo;  // the index in cmb_nci or cmb_nvi
  // Coloured with the row's box; the override bits of the light controllers keep their colour.
  bool sharesMark;
  // The entry that a text stands for (none for no entry), read by the characters and words where the
  // value's fields stand: in the device's reading of a value these are its fields. `combo` holds the
  // entries of a combo whose items are the value texts.
  std::optional<int> (*entryOf)(const std::string& text, const ui::ComboBox& combo, StartBitRule rule);
  // The entry's own value text, as a choice writes it; none where the entry writes nothing.
  std::optional<std::string> (*entryText)(int entry, const EntrySource& source);
  // The entry's text is the box's text with single bits or hex digits replaced. Such a text replaces an
  // edit only where it leaves every other character in its place: a text too short for the digit's place
  // would be shifted into another value.
  bool replacesDigits;
  // A text that is no value and stands for no entry of this combo cannot stand: it raises a type mismatch
  // (the box's Change then puts the device's value back).
  bool noValueWithoutEntryFails;
  // Decoding a value read that stands for no entry shows no entry; otherwise the combo keeps its entry.
  bool decodingShowsNoEntry;
};

struct CompanionRow {
  RowKind kind;
  int row;
  std::string_view valueType;            // the LON type that the device reads the row's text as
  std::vector<CompanionChoice> choices;  // in the order they follow the box's text
  bool settingBox;                       // txtnviset(row) shows the setting's value
};

// The row of box `row` of that kind; nullptr for a row without companion choices.
const CompanionRow* FindCompanionRow(RowKind kind, int row);
// The row that combo `combo` of that kind serves, and its choice; nullptr for a combo of no row.
const CompanionRow* RowOfCombo(RowKind kind, int combo);
const CompanionChoice& ChoiceOfCombo(const CompanionRow& row, int combo);

// The device's reading of `text`: the value it takes from the text, formatted as it formats values; none
// where it takes no value.
std::optional<std::string> DeviceReading(const CompanionRow& row, const std::string& text,
                                         const std::string& decimalSep);

// The entry of `choice` that `text` stands for: read from the device's reading of a value, else from the
// text itself (where `noValueWithoutEntryFails` may raise).
std::optional<int> EntryOfText(const CompanionRow& row, const CompanionChoice& choice,
                               const ui::ComboBox& combo, const std::string& text,
                               const std::string& decimalSep, StartBitRule rule);

// The setting that the setting box shows for `text`: that of the device's reading, or the text's own
// second word where the device reads no value; none where there is none.
std::optional<std::string> SettingShownFor(const CompanionRow& row, const std::string& text,
                                           const std::string& decimalSep);

}  // namespace qvr
