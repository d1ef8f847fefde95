#include "mainwindow/editors/ChoiceTexts.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <variant>

#include "datapoints/DigitTexts.h"
#include "mainwindow/editors/EditorValueTexts.h"

namespace qvr {

namespace {

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

template <std::size_t N>
std::optional<std::string> NameAt(const std::array<const char*, N>& names, int choice) {
  if (choice >= static_cast<int>(N)) return std::nullopt;
  return std::string(names[static_cast<std::size_t>(choice)]);
}

// A light controller's mode, in bits 14, 15 and (for the two closed-loop modes) 0 of its parameters.
std::optional<std::string> LightControlModeText(int choice, const std::string& boxText) {
  switch (choice) {
    case 0:
      return WithBits(boxText, {{14, false}, {15, false}, {0, false}});
    case 1:
      return WithBits(boxText, {{14, false}, {15, false}, {0, true}});
    case 2:
      return WithBits(boxText, {{14, false}, {15, true}});
    case 3:
      return WithBits(boxText, {{14, true}, {15, false}});
    default:
      return std::nullopt;
  }
}

}  // namespace

int PropertyBoxOfChoice(int combo) {
  switch (combo) {
    case 0:
      return 19;
    case 1:
      return 30;
    case 37:
      return 36;
    default:
      return combo;
  }
}

std::optional<std::string> PropertyTextForChoice(int combo, int choice, const std::string& boxText,
                                                 const std::string& decimalSep) {
  if (choice < 0) return std::nullopt;
  const bool second = choice == 1;
  const bool twoWay = choice <= 1;
  switch (combo) {
    case 0:
    case 1:
      if (twoWay) return WithBits(boxText, {{1, second}});
      return std::nullopt;
    case 6:
      if (twoWay) return WithBits(boxText, {{0, second}});
      return std::nullopt;
    case 17:
    case 28:  // the power-up state: off, on
      if (twoWay) return SettingText(second ? "SET_ON" : "SET_OFF", ZeroSettingValue(decimalSep), decimalSep);
      return std::nullopt;
    case 19:
    case 30:
      return LightControlModeText(choice, boxText);
    case 36:  // the contact: closing, breaking
      if (twoWay) return WithHexDigit(boxText, 1, second ? "1" : "0");
      return std::nullopt;
    case 37:  // the digital input's function, one per digit value
      return WithHexDigit(boxText, 0, std::to_string(choice));
    case 50:  // the number of valves
      return NameAt(std::array<const char*, 2>{"1", "2"}, choice);
    case 54:
      return NameAt(kHvacModes, choice);
    default:
      return std::nullopt;
  }
}

std::optional<std::string> InputTextForChoice(int combo, int choice, const std::string& comboText,
                                              const std::string& settingValue,
                                              const std::string& decimalSep) {
  if (choice < 0) return std::nullopt;
  switch (combo) {
    case 1:
    case 2:
    case 21:
    case 22:
    case 23:
    case 24:  // the entries are the value texts
      return comboText;
    case 3:  // the occupancy controller's setting: only on or off
      if (choice > 1) return std::nullopt;
      return SettingText(kSettingFunctions[static_cast<std::size_t>(choice)], ZeroSettingValue(decimalSep),
                         decimalSep);
    case 4:
    case 5:  // on (sensitive), off
      if (choice > 1) return std::nullopt;
      return SwitchText(choice == 0, decimalSep);
    case 8:
    case 12:  // the light controllers' settings keep their setting value
      if (const auto function = NameAt(kSettingFunctions, choice)) {
        return SettingText(*function, settingValue, decimalSep);
      }
      return std::nullopt;
    case 20:
      return NameAt(kHvacModes, choice);
    default:
      return std::nullopt;
  }
}

std::string_view ValueTypeOfPropertyChoice(int combo) {
  switch (combo) {
    case 0:
    case 1:
    case 6:
    case 19:
    case 30:  // the general parameters' bits
      return "SNVT_state";
    case 17:
    case 28:
      return "SNVT_setting";
    case 36:
    case 37:
      return "UNVT_str_hex4";
    case 50:
      return "SNVT_count";
    case 54:
      return "SNVT_hvac_mode";
    default:
      return {};
  }
}

std::string_view ValueTypeOfInputChoice(int combo) {
  switch (combo) {
    case 1:
    case 2:
    case 21:
    case 22:
      return "SNVT_occupancy";
    case 3:
    case 8:
    case 12:
      return "SNVT_setting";
    case 4:
    case 5:
    case 23:
    case 24:
      return "SNVT_switch";
    case 20:
      return "SNVT_hvac_mode";
    default:
      return {};
  }
}

}  // namespace qvr
