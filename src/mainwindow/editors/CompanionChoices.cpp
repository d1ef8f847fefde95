#include "mainwindow/editors/CompanionChoices.h"

#include <string>

#include "datapoints/CompositeRows.h"
#include "devicemodel/FieldDigits.h"
#include "devicemodel/ValueTexts.h"
#include "mainwindow/editors/ChoiceTexts.h"
#include "mainwindow/fMain.h"
#include "platform/runtime/RuntimeErrors.h"
#include "platform/runtime/SplitAt.h"

namespace qvr {

namespace {

// The companion rows and the combo that shows the override bit (bit 1) of a light controller.
constexpr int kSensorLedRow = 6;
constexpr int kPowerUpRow1 = 17;
constexpr int kPowerUpRow2 = 28;
constexpr int kLightOptionsRow1 = 19;
constexpr int kLightOptionsRow2 = 30;
constexpr int kOverrideCombo1 = 0;
constexpr int kOverrideCombo2 = 1;
constexpr int kValveCountRow = 50;
constexpr int kHvacModeRow = 54;

std::string FirstWord(const std::string& text) {
  std::string rest;
  return runtime::SplitAt(text, " ", rest);
}

// The combos that follow row `row`, in the order they follow it: a light controller's mode (bits 14,
// 15, 0) before its override bit, the digital input's function (digit 0) before its contact (digit 1).
std::vector<int> FollowingCombos(int row) {
  switch (row) {
    case kLightOptionsRow1:
      return {row, kOverrideCombo1};
    case kLightOptionsRow2:
      return {row, kOverrideCombo2};
    case kDigitalInputRow:
      return {kInputFunctionCombo, kDigitalInputRow};
    default:
      return HasCompanionChoices(row) ? std::vector<int>{row} : std::vector<int>{};
  }
}

bool IsOverrideCombo(int combo) {
  return combo == kOverrideCombo1 || combo == kOverrideCombo2;
}

}  // namespace

bool HasCompanionChoices(int row) {
  switch (row) {
    case kSensorLedRow:
    case kPowerUpRow1:
    case kPowerUpRow2:
    case kLightOptionsRow1:
    case kLightOptionsRow2:
    case kDigitalInputRow:
    case kValveCountRow:
    case kHvacModeRow:
      return true;
    default:
      return false;
  }
}

std::vector<int> MarkedCompanions(int row) {
  if (row == kDigitalInputRow) return {kDigitalInputRow, kInputFunctionCombo};
  if (HasCompanionChoices(row)) return {row};
  return {};
}

std::optional<int> ChoiceOfPropertyText(int combo, const std::string& text) {
  switch (combo) {
    case kOverrideCombo1:
    case kOverrideCombo2:
      return BitChoice(BitDigit(text, 1));
    case kSensorLedRow:
      return BitChoice(BitDigit(text, 0));
    case kPowerUpRow1:
    case kPowerUpRow2:
      return PowerUpChoice(text);
    case kLightOptionsRow1:
    case kLightOptionsRow2:
      return LightControlModeChoice(BitDigit(text, 14), BitDigit(text, 15), BitDigit(text, 0),
                                    StartBitRule::ZeroOrOne);
    case kDigitalInputRow:
      return HexDigitValue(text, 1) == 0 ? 0 : 1;
    case kInputFunctionCombo: {
      const int function = HexDigitValue(text, 0);
      if (function < kInputFunctions) return function;
      return std::nullopt;
    }
    case kValveCountRow:
      return NameChoice(text, {"1", "2"});
    case kHvacModeRow:
      return NameChoice(FirstWord(text), {"HVAC_AUTO", "HVAC_HEAT", "HVAC_COOL", "HVAC_OFF"});
    default:
      return std::nullopt;
  }
}

void FollowCompanionChoices(fMain& window, int row, FollowBy how, const std::string& decimalSep) {
  ui::TextBox& box = window.txtNci[row];
  for (const int combo : FollowingCombos(row)) {
    // Read anew for each combo: the one before may have rewritten the text.
    const std::optional<int> choice = ChoiceOfPropertyText(combo, box.Text());
    if (!choice && IsOverrideCombo(combo)) runtime::RaiseTypeMismatch();
    const ChoiceValues values{ValueTypeOfPropertyChoice(combo), decimalSep, [&](int entry) {
                                return PropertyTextForChoice(combo, entry, box.Text(), decimalSep);
                              }};
    FollowChoice(box, window.cmb_nci[combo], choice, how, values);
  }
}

}  // namespace qvr
