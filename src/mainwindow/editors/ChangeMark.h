#pragma once

#include <string>

#include "platform/ui/Control.h"

namespace qvr {

// A value box (and its companion combo boxes) shows whether its text still equals the value last read
// from or written to the device by its fore colour; nothing else records an edit.
inline constexpr ui::Color kChangedColor = ui::vbRed;
inline constexpr ui::Color kUnchangedColor = ui::vbButtonText;

bool IsMarkedChanged(const ui::Control& control);
void MarkChanged(ui::Control& control, bool changed);

// Text comparison: the texts as they stand, letter case and blanks counting.
bool TextDiffers(const std::string& text, const std::string& stored);

// Numeric comparison under the user's regional settings. The stored value's own text never differs. Any
// other box text that is no number raises a type mismatch (error 13), one beyond a double's range an
// overflow (error 6). A stored value that is no number (never read, or the device gave no number) equals
// no other text: the box counts as changed.
bool NumberDiffers(const std::string& text, const std::string& stored, const std::string& decimalSep);

}  // namespace qvr
