#pragma once

#include <optional>
#include <string>

namespace qvr {

// The whole-number bounds of a spin button and the step of the box beside it.
struct SpinRange {
  int lower;
  int upper;
  double step;
};

// The box's text `text` stepped once, up or down, as the user's regional settings write it. A step that
// would pass the bound in its direction gives that bound as a whole number; the other bound is not
// tested (a value below the lower bound simply goes up a step). Nothing when the text is no number.
std::optional<std::string> SteppedText(const std::string& text, const SpinRange& range, bool up,
                                       const std::string& decimalSep);

}  // namespace qvr
