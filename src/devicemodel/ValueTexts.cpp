#include "devicemodel/ValueTexts.h"

#include "platform/runtime/SplitAt.h"

namespace qvr {

std::optional<std::string> SettingOf(const std::string& text) {
  const auto firstBlank = text.find(' ');
  const auto start = firstBlank == std::string::npos ? 0 : firstBlank + 1;
  const auto secondBlank = text.find(' ', start);
  if (secondBlank == std::string::npos) return std::nullopt;
  return text.substr(start, secondBlank - start);
}

std::optional<int> SettingFunctionChoice(const std::string& text, int choices) {
  if (text.size() < 6) return std::nullopt;
  constexpr const char kSixthCharacters[] = "NFPO";  // SET_ON, SET_OFF, SET_UP, SET_DOWN
  for (int choice = 0; choice < choices && choice < 4; ++choice) {
    if (text[5] == kSixthCharacters[choice]) return choice;
  }
  return std::nullopt;
}

std::optional<int> PowerUpChoice(const std::string& text) {
  std::string rest;
  return NameChoice(runtime::SplitAt(text, " ", rest), {"SET_OFF", "SET_ON"});
}

std::optional<int> SwitchChoice(const std::string& text) {
  std::string state;
  runtime::SplitAt(text, " ", state);
  return NameChoice(state, {"1", "0"});
}

std::optional<int> BitChoice(const std::string& digit) {
  return NameChoice(digit, {"0", "1"});
}

std::optional<int> NameChoice(const std::string& text, std::initializer_list<const char*> names) {
  int choice = 0;
  for (const char* name : names) {
    if (text == name) return choice;
    ++choice;
  }
  return std::nullopt;
}

std::optional<int> LightControlModeChoice(const std::string& bit14, const std::string& bit15,
                                          const std::string& bit0, StartBitRule rule) {
  if (bit14 == "0" && bit15 == "0") {
    if (rule == StartBitRule::ZeroOrElse) return bit0 == "0" ? 0 : 1;
    return BitChoice(bit0);
  }
  if (bit14 == "0" && bit15 == "1") return 2;
  if (bit14 == "1" && bit15 == "0") return 3;
  return std::nullopt;
}

}  // namespace qvr
