#include "mainwindow/editors/SpinStep.h"

#include <cmath>

#include "mainwindow/editors/RegionalNumber.h"
#include "mainwindow/editors/RegionalNumberText.h"

namespace qvr {

std::optional<std::string> SteppedText(const std::string& text, const SpinRange& range, bool up,
                                       const std::string& decimalSep) {
  const std::optional<double> value = ParseRegionalNumber(text, decimalSep);
  // Digits beyond any double's range are no number either.
  if (!value || !std::isfinite(*value)) return std::nullopt;
  // Every step starts again from the text, so the inexact tenth never adds up over many steps.
  if (up) {
    if (*value > range.upper - range.step) return std::to_string(range.upper);
    return RegionalNumberText(*value + range.step, decimalSep);
  }
  if (*value < range.lower + range.step) return std::to_string(range.lower);
  return RegionalNumberText(*value - range.step, decimalSep);
}

}  // namespace qvr
