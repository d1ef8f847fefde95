#pragma once

#include <optional>
#include <string>

#include "platform/ui/ComboBox.h"

namespace qvr {

class fMain;

// How a companion combo box follows the text of the value box it serves. A value the device holds
// (Cancel, monitoring, Apply's read-back) is only shown: the combo moves without its Click, which would
// write its entry's standard text over the device's value. Any other text is an edit: the combo moves as
// a choice does, and its Click writes the entry's text into the box, so that box and choice show what
// Apply writes.
enum class FollowBy { ShowingDeviceValue, Editing };

// How the companions follow a box of `window` whose text is `text`, the device's value being `stored`:
// the device's value, or any text while the window shows devices' values (a parameter file), is shown.
FollowBy FollowFor(const fMain& window, const std::string& text, const std::string& stored);

// Moves `combo` to entry `choice`. A text that stands for no entry, or for one the combo's list lacks
// (no language texts), leaves the combo on no entry: it shows no value that the box does not hold.
void FollowChoice(ui::ComboBox& combo, std::optional<int> choice, FollowBy how);

}  // namespace qvr
