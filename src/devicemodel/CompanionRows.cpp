#include "devicemodel/CompanionRows.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <exception>
#include <initializer_list>
#include <variant>

#include "datapoints/CompositeRows.h"
#include "datapoints/DigitTexts.h"
#include "devicemodel/EditorValueTexts.h"
#include "devicemodel/FieldDigits.h"
#include "platform/lns/types/LonTypes.h"
#include "platform/runtime/RuntimeErrors.h"
#include "platform/runtime/SplitAt.h"

namespace qvr {

namespace {

using Combo = ui::ComboBox;

std::string FirstWord(const std::string& text) {
  std::string rest;
  return runtime::SplitAt(text, " ", rest);
}

// The valve counts, in the order of the valve count combo.
constexpr std::array<const char*, 2> kValveCounts = {"1", "2"};

// The entry of a combo listing `names` that `name` is, and the name of an entry.
template <std::size_t N>
std::optional<int> EntryNamed(const std::array<const char*, N>& names, const std::string& name) {
  const auto found = std::find(names.begin(), names.end(), name);
  if (found == names.end()) return std::nullopt;
  return static_cast<int>(found - names.begin());
}

template <std::size_t N>
std::optional<std::string> NameAt(const std::array<const char*, N>& names, int entry) {
  if (entry >= static_cast<int>(N)) return std::nullopt;
  return std::string(names[static_cast<std::size_t>(entry)]);
}

// How the entries are read. Any contact digit of the digital input but 0 is a breaking contact.
std::optional<int> OverrideEntry(const std::string& text, const Combo&, StartBitRule) {
  return BitChoice(BitDigit(text, 1));
}
std::optional<int> SensorLedEntry(const std::string& text, const Combo&, StartBitRule) {
  return BitChoice(BitDigit(text, 0));
}
std::optional<int> PowerUpEntry(const std::string& text, const Combo&, StartBitRule) {
  return PowerUpChoice(text);
}
std::optional<int> LightModeEntry(const std::string& text, const Combo&, StartBitRule rule) {
  return LightControlModeChoice(BitDigit(text, 14), BitDigit(text, 15), BitDigit(text, 0), rule);
}
std::optional<int> InputFunctionEntry(const std::string& text, const Combo&, StartBitRule) {
  const int function = HexDigitValue(text, 0);
  if (function < kInputFunctions) return function;
  return std::nullopt;
}
std::optional<int> ContactEntry(const std::string& text, const Combo&, StartBitRule) {
  return HexDigitValue(text, 1) == 0 ? 0 : 1;
}
std::optional<int> ValveCountEntry(const std::string& text, const Combo&, StartBitRule) {
  return EntryNamed(kValveCounts, text);
}
std::optional<int> HvacModeEntry(const std::string& text, const Combo&, StartBitRule) {
  return EntryNamed(kHvacModes, FirstWord(text));
}
// The item that is the text, or else the text's first word ("HVAC_HEAT 1 2").
std::optional<int> ItemEntry(const std::string& text, const Combo& combo, StartBitRule) {
  const std::string firstWord = FirstWord(text);
  std::optional<int> firstWordEntry;
  for (int entry = 0; entry < combo.ListCount(); ++entry) {
    if (combo.List(entry) == text) return entry;
    if (!firstWordEntry && combo.List(entry) == firstWord) firstWordEntry = entry;
  }
  return firstWordEntry;
}
std::optional<int> OccupancySettingEntry(const std::string& text, const Combo&, StartBitRule) {
  return SettingFunctionChoice(text, 2);  // SET_ON, SET_OFF
}
std::optional<int> LightSettingEntry(const std::string& text, const Combo&, StartBitRule) {
  return SettingFunctionChoice(text, 4);  // SET_ON, SET_OFF, SET_UP, SET_DOWN
}
std::optional<int> SwitchEntry(const std::string& text, const Combo&, StartBitRule) {
  return SwitchChoice(text);
}

// What the entries write.
struct BitWrite {
  int bit;
  bool value;
};

// Each replacement works on the result of the one before.
std::string WithBits(std::string text, std::initializer_list<BitWrite> writes) {
  for (const BitWrite& write : writes) {
    std::string result;
    GetSetBit(text, result, true, write.bit, write.value, false);
    text = std::move(result);
  }
  return text;
}

std::string WithHexDigit(const std::string& text, int digit, const std::string& newDigit) {
  HexDigitResult result;
  GetSetHexDigit(text, result, true, digit, newDigit, 0);
  return std::get<std::string>(result);
}

bool TwoWay(int entry) {
  return entry <= 1;
}

std::optional<std::string> OverrideText(int entry, const EntrySource& source) {
  if (!TwoWay(entry)) return std::nullopt;
  return WithBits(source.boxText, {{1, entry == 1}});
}
std::optional<std::string> SensorLedText(int entry, const EntrySource& source) {
  if (!TwoWay(entry)) return std::nullopt;
  return WithBits(source.boxText, {{0, entry == 1}});
}
std::optional<std::string> PowerUpText(int entry, const EntrySource& source) {
  if (!TwoWay(entry)) return std::nullopt;  // off, on
  return SettingText(entry == 1 ? "SET_ON" : "SET_OFF", ZeroSettingValue(source.decimalSep),
                     source.decimalSep);
}
// A light controller's mode, in bits 14, 15 and (for the two closed-loop modes) 0 of its parameters.
std::optional<std::string> LightModeText(int entry, const EntrySource& source) {
  switch (entry) {
    case 0:
      return WithBits(source.boxText, {{14, false}, {15, false}, {0, false}});
    case 1:
      return WithBits(source.boxText, {{14, false}, {15, false}, {0, true}});
    case 2:
      return WithBits(source.boxText, {{14, false}, {15, true}});
    case 3:
      return WithBits(source.boxText, {{14, true}, {15, false}});
    default:
      return std::nullopt;
  }
}
std::optional<std::string> InputFunctionText(int entry, const EntrySource& source) {
  return WithHexDigit(source.boxText, 0, std::to_string(entry));
}
std::optional<std::string> ContactText(int entry, const EntrySource& source) {
  if (!TwoWay(entry)) return std::nullopt;  // closing, breaking
  return WithHexDigit(source.boxText, 1, entry == 1 ? "1" : "0");
}
std::optional<std::string> ValveCountText(int entry, const EntrySource&) {
  return NameAt(kValveCounts, entry);
}
std::optional<std::string> HvacModeText(int entry, const EntrySource&) {
  return NameAt(kHvacModes, entry);
}
std::optional<std::string> ItemText(int, const EntrySource& source) {
  return source.item;
}
// The occupancy controller's setting tells only on or off.
std::optional<std::string> OccupancySettingText(int entry, const EntrySource& source) {
  if (!TwoWay(entry)) return std::nullopt;
  return SettingText(kSettingFunctions[static_cast<std::size_t>(entry)], ZeroSettingValue(source.decimalSep),
                     source.decimalSep);
}
// The light controllers' settings keep their setting value.
std::optional<std::string> LightSettingText(int entry, const EntrySource& source) {
  const std::optional<std::string> function = NameAt(kSettingFunctions, entry);
  if (!function) return std::nullopt;
  return SettingText(*function, source.settingValue, source.decimalSep);
}
std::optional<std::string> SwitchEntryText(int entry, const EntrySource& source) {
  if (!TwoWay(entry)) return std::nullopt;  // on (sensitive), off
  return SwitchText(entry == 0, source.decimalSep);
}

CompanionChoice Choice(int combo, decltype(CompanionChoice::entryOf) entryOf,
                       decltype(CompanionChoice::entryText) entryText) {
  return {combo, true, entryOf, entryText, false, false, false};
}

CompanionChoice DigitChoice(int combo, decltype(CompanionChoice::entryOf) entryOf,
                            decltype(CompanionChoice::entryText) entryText) {
  return {combo, true, entryOf, entryText, true, false, false};
}

CompanionRow NameRow(int row, std::string_view valueType) {
  return {RowKind::Input, row, valueType, {Choice(row, ItemEntry, ItemText)}, false};
}

const std::vector<CompanionRow>& Rows() {
  static const std::vector<CompanionRow> rows = [] {
    // The override bit (bit 1) of a light controller follows after its mode and keeps its colour; a text
    // that is no value and has no override digit cannot stand.
    const auto lightOptions = [](int row, int overrideCombo) {
      return CompanionRow{RowKind::Property,
                          row,
                          "SNVT_state",
                          {DigitChoice(row, LightModeEntry, LightModeText),
                           {overrideCombo, false, OverrideEntry, OverrideText, true, true, false}},
                          false};
    };
    // A power-up state of another function (SET_UP, SET_DOWN) is neither entry, also when decoded.
    const auto powerUp = [](int row) {
      return CompanionRow{RowKind::Property,
                          row,
                          "SNVT_setting",
                          {{row, true, PowerUpEntry, PowerUpText, false, false, true}},
                          false};
    };
    const auto setting = [](int row, decltype(CompanionChoice::entryOf) entryOf,
                            decltype(CompanionChoice::entryText) entryText) {
      return CompanionRow{RowKind::Input, row, "SNVT_setting", {Choice(row, entryOf, entryText)}, true};
    };
    const auto switchRow = [](int row) {
      return CompanionRow{
          RowKind::Input, row, "SNVT_switch", {Choice(row, SwitchEntry, SwitchEntryText)}, false};
    };
    return std::vector<CompanionRow>{
        {RowKind::Property, 6, "SNVT_state", {DigitChoice(6, SensorLedEntry, SensorLedText)}, false},
        powerUp(17),
        powerUp(28),
        lightOptions(19, 0),
        lightOptions(30, 1),
        // The digital input's function (combo 37) before its contact (combo 36).
        {RowKind::Property,
         kDigitalInputRow,
         "UNVT_str_hex4",
         {DigitChoice(kInputFunctionCombo, InputFunctionEntry, InputFunctionText),
          DigitChoice(kDigitalInputRow, ContactEntry, ContactText)},
         false},
        {RowKind::Property, 50, "SNVT_count", {Choice(50, ValveCountEntry, ValveCountText)}, false},
        {RowKind::Property, 54, "SNVT_hvac_mode", {Choice(54, HvacModeEntry, HvacModeText)}, false},
        NameRow(1, "SNVT_occupancy"),
        NameRow(2, "SNVT_occupancy"),
        setting(3, OccupancySettingEntry, OccupancySettingText),
        switchRow(4),
        switchRow(5),
        setting(8, LightSettingEntry, LightSettingText),
        setting(12, LightSettingEntry, LightSettingText),
        NameRow(20, "SNVT_hvac_mode"),
        NameRow(21, "SNVT_occupancy"),
        NameRow(22, "SNVT_occupancy"),
        NameRow(23, "SNVT_switch"),
        NameRow(24, "SNVT_switch"),
    };
  }();
  return rows;
}

}  // namespace

const CompanionRow* FindCompanionRow(RowKind kind, int row) {
  for (const CompanionRow& entry : Rows()) {
    if (entry.kind == kind && entry.row == row) return &entry;
  }
  return nullptr;
}

const CompanionRow* RowOfCombo(RowKind kind, int combo) {
  for (const CompanionRow& entry : Rows()) {
    if (entry.kind != kind) continue;
    for (const CompanionChoice& choice : entry.choices) {
      if (choice.combo == combo) return &entry;
    }
  }
  return nullptr;
}

const CompanionChoice& ChoiceOfCombo(const CompanionRow& row, int combo) {
  for (const CompanionChoice& choice : row.choices) {
    if (choice.combo == combo) return choice;
  }
  runtime::RaiseInvalidCall("qvr", "combo " + std::to_string(combo) + " of row " + std::to_string(row.row));
}

std::optional<std::string> DeviceReading(const CompanionRow& row, const std::string& text,
                                         const std::string& decimalSep) {
  try {
    const lns::LonType& type = lns::FindLonType(row.valueType);
    return type.Format(type.Parse(text, decimalSep), decimalSep);
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

std::optional<int> EntryOfText(const CompanionRow& row, const CompanionChoice& choice,
                               const ui::ComboBox& combo, const std::string& text,
                               const std::string& decimalSep, StartBitRule rule) {
  const std::optional<std::string> reading = DeviceReading(row, text, decimalSep);
  const std::optional<int> entry = choice.entryOf(reading.value_or(text), combo, rule);
  if (!entry && !reading && choice.noValueWithoutEntryFails) runtime::RaiseTypeMismatch();
  return entry;
}

std::optional<std::string> SettingShownFor(const CompanionRow& row, const std::string& text,
                                           const std::string& decimalSep) {
  return SettingOf(DeviceReading(row, text, decimalSep).value_or(text));
}

}  // namespace qvr
