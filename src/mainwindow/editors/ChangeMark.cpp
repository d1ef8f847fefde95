#include "mainwindow/editors/ChangeMark.h"

#include <cmath>
#include <optional>

#include "mainwindow/editors/RegionalNumber.h"
#include "platform/runtime/RuntimeErrors.h"

namespace qvr {

bool IsMarkedChanged(const ui::Control& control) {
  return control.ForeColor() == kChangedColor;
}

void MarkChanged(ui::Control& control, bool changed) {
  control.SetForeColor(changed ? kChangedColor : kUnchangedColor);
}

bool TextDiffers(const std::string& text, const std::string& stored) {
  return text != stored;
}

bool NumberDiffers(const std::string& text, const std::string& stored, const std::string& decimalSep) {
  // The very text of the device's value is no change, whether or not it reads as a number.
  if (text == stored) return false;
  const std::optional<double> number = ParseRegionalNumber(text, decimalSep);
  if (!number) runtime::RaiseTypeMismatch();
  // Digits beyond the range of a double are no value a box can hold, however far they reach.
  if (!std::isfinite(*number)) runtime::RaiseOverflow();
  const std::optional<double> storedNumber = ParseRegionalNumber(stored, decimalSep);
  if (!storedNumber) return TextDiffers(text, stored);
  return *number != *storedNumber;
}

}  // namespace qvr
