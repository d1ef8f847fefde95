#include "mainwindow/editors/InputCompanions.h"

#include <optional>

#include "devicemodel/QuietWrites.h"
#include "devicemodel/ValueTexts.h"
#include "mainwindow/editors/ChoiceTexts.h"
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

// The entry of a combo of names whose item is the text, or else the text's first word ("HVAC_HEAT 1 2").
std::optional<int> NameEntry(const ui::ComboBox& combo, const std::string& text) {
  std::string rest;
  const std::string firstWord = runtime::SplitAt(text, " ", rest);
  std::optional<int> firstWordEntry;
  for (int entry = 0; entry < combo.ListCount(); ++entry) {
    if (combo.List(entry) == text) return entry;
    if (!firstWordEntry && combo.List(entry) == firstWord) firstWordEntry = entry;
  }
  return firstWordEntry;
}

// The entry of the combo of `companion` that input text `text` stands for.
std::optional<int> ChoiceOfInputText(Companion companion, const ui::ComboBox& combo,
                                     const std::string& text) {
  switch (companion) {
    case Companion::Name:
      return NameEntry(combo, text);
    case Companion::OccupancySetting:
      return SettingFunctionChoice(text, kOccupancyFunctions);
    case Companion::Switch:
      return SwitchChoice(text);
    case Companion::LightSetting:
      return SettingFunctionChoice(text, kLightFunctions);
    case Companion::None:
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

void FollowInputCompanions(fMain& window, int row, FollowBy how, const std::string& decimalSep) {
  const Companion companion = CompanionOf(row);
  if (companion == Companion::None) return;
  ui::TextBox& box = window.txtNvi[row];
  ui::ComboBox& combo = window.cmb_nvi[row];
  const bool setting = companion == Companion::OccupancySetting || companion == Companion::LightSetting;
  // The setting value first: an entry's own text keeps the setting value just shown.
  if (setting) ShowSettingValue(window, row, box.Text());
  const ChoiceValues values{ValueTypeOfInputChoice(row), decimalSep,
                            [&](int entry) { return InputTextOfEntry(window, row, entry, decimalSep); }};
  FollowChoice(box, combo, ChoiceOfInputText(companion, combo, box.Text()), how, values);
}

std::optional<std::string> InputTextOfEntry(const fMain& window, int row, int entry,
                                            const std::string& decimalSep) {
  if (entry < 0) return std::nullopt;
  const std::string settingValue =
      window.txtnviset.Exists(row) ? window.txtnviset[row].Text() : std::string();
  return InputTextForChoice(row, entry, window.cmb_nvi[row].List(entry), settingValue, decimalSep);
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
