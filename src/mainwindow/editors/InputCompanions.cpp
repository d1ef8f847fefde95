#include "mainwindow/editors/InputCompanions.h"

#include <optional>

#include "devicemodel/QuietWrites.h"
#include "devicemodel/ValueTexts.h"
#include "mainwindow/editors/EditorValueTexts.h"
#include "mainwindow/fMain.h"
#include "platform/runtime/SplitAt.h"

namespace qvr {

namespace {

enum class Companion { None, Name, OccupancySetting, Switch, LightSetting };

Companion CompanionOf(int row) {
  switch (row) {
    case 1:
    case 2:
    case 20:
    case 21:
    case 22:
    case 23:
    case 24:
      return Companion::Name;
    case 3:
      return Companion::OccupancySetting;
    case 4:
    case 5:
      return Companion::Switch;
    case 8:
    case 12:
      return Companion::LightSetting;
    default:
      return Companion::None;
  }
}

// The setting box shows the value of the setting text, where the text has one.
void ShowSettingValue(fMain& window, int row, const std::string& text) {
  if (const std::optional<std::string> setting = SettingOf(text)) ShowText(window.txtnviset[row], *setting);
}

constexpr int kOccupancyFunctions = 2;  // SET_ON, SET_OFF
constexpr int kLightFunctions = 4;      // SET_ON, SET_OFF, SET_UP, SET_DOWN

// The entry of a combo listing choices (not names) that input text `text` stands for.
std::optional<int> ChoiceOfInputText(Companion companion, const std::string& text) {
  switch (companion) {
    case Companion::OccupancySetting:
      return SettingFunctionChoice(text, kOccupancyFunctions);
    case Companion::Switch:
      return SwitchChoice(text);
    case Companion::LightSetting:
      return SettingFunctionChoice(text, kLightFunctions);
    case Companion::None:
    case Companion::Name:
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

void FollowInputCompanions(fMain& window, int row, FollowBy how) {
  const Companion companion = CompanionOf(row);
  if (companion == Companion::None) return;
  const std::string text = window.txtNvi[row].Text();
  ui::ComboBox& combo = window.cmb_nvi[row];
  switch (companion) {
    case Companion::None:
      return;
    case Companion::Name:
      ShowText(combo, text);
      return;
    case Companion::OccupancySetting:
    case Companion::LightSetting:
      // The setting value first: the choice's Click writes it back with the function.
      ShowSettingValue(window, row, text);
      FollowChoice(combo, ChoiceOfInputText(companion, text), how);
      return;
    case Companion::Switch:
      FollowChoice(combo, ChoiceOfInputText(companion, text), how);
      return;
  }
}

std::string SettingInputText(const fMain& window, int row, const std::string& decimalSep) {
  const ui::ComboBox& combo = window.cmb_nvi[row];
  std::string function = combo.Text();
  if (combo.ListIndex() < 0) {
    std::string rest;
    function = runtime::SplitAt(window.txtNvi[row].Text(), " ", rest);
  }
  return SettingText(function, window.txtnviset[row].Text(), decimalSep);
}

std::vector<ui::Control*> MarkedInputCompanions(fMain& window, int row) {
  switch (CompanionOf(row)) {
    case Companion::None:
      return {};
    case Companion::OccupancySetting:
    case Companion::LightSetting:
      return {&window.cmb_nvi[row], &window.txtnviset[row]};
    default:
      return {&window.cmb_nvi[row]};
  }
}

}  // namespace qvr
