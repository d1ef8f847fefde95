#include "editors/CompanionChoices.h"

#include <optional>
#include <string>

#include "devicemodel/FieldDigits.h"
#include "devicemodel/ValueTexts.h"
#include "editors/TypeMismatch.h"
#include "framework/SplitAt.h"
#include "mainwindow/fMain.h"

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
constexpr int kDigitalInputRow = 36;
constexpr int kInputFunctionCombo = 37;
constexpr int kInputFunctions = 4;  // standard I/O, toggle, dimming, manual overriding
constexpr int kValveCountRow = 50;
constexpr int kHvacModeRow = 54;

void Select(ui::ComboBox& combo, std::optional<int> choice) {
  if (choice) combo.SetListIndex(*choice);
}

std::string FirstWord(const std::string& text) {
  std::string rest;
  return SplitAt(text, " ", rest);
}

// Mode (bits 14, 15, 0) into the row's combo, the override bit 1 into its own combo. Each step reads the
// box anew: a combo's Click before it may have rewritten the text.
void FollowLightOptions(fMain& window, int row, int overrideCombo) {
  const std::string text = window.txtNci[row].Text();
  Select(window.cmb_nci[row], LightControlModeChoice(BitDigit(text, 14), BitDigit(text, 15),
                                                     BitDigit(text, 0), StartBitRule::ZeroOrOne));
  const std::optional<int> overrideBit = BitChoice(BitDigit(window.txtNci[row].Text(), 1));
  if (!overrideBit) RaiseTypeMismatch();
  window.cmb_nci[overrideCombo].SetListIndex(*overrideBit);
}

// Digit 1 into the contact kind (open or closed), digit 0 into the input's function.
void FollowDigitalInput(fMain& window) {
  ui::TextBox& box = window.txtNci[kDigitalInputRow];
  const int function = HexDigitValue(box.Text(), 0);
  Select(window.cmb_nci[kInputFunctionCombo],
         function < kInputFunctions ? std::optional<int>(function) : std::nullopt);
  window.cmb_nci[kDigitalInputRow].SetListIndex(HexDigitValue(box.Text(), 1) == 0 ? 0 : 1);
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

void FollowCompanionChoices(fMain& window, int row) {
  const std::string text = window.txtNci[row].Text();
  switch (row) {
    case kSensorLedRow:
      Select(window.cmb_nci[row], BitChoice(BitDigit(text, 0)));
      break;
    case kPowerUpRow1:
    case kPowerUpRow2:
      window.cmb_nci[row].SetListIndex(PowerUpChoice(text));
      break;
    case kLightOptionsRow1:
      FollowLightOptions(window, row, kOverrideCombo1);
      break;
    case kLightOptionsRow2:
      FollowLightOptions(window, row, kOverrideCombo2);
      break;
    case kDigitalInputRow:
      FollowDigitalInput(window);
      break;
    case kValveCountRow:
      Select(window.cmb_nci[row], NameChoice(text, {"1", "2"}));
      break;
    case kHvacModeRow:
      Select(window.cmb_nci[row],
             NameChoice(FirstWord(text), {"HVAC_AUTO", "HVAC_HEAT", "HVAC_COOL", "HVAC_OFF"}));
      break;
    default:
      break;
  }
}

}  // namespace qvr
