#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ui/ComboBox.h"
#include "platform/ui/TextBox.h"

namespace qvr {

class fMain;

// How a companion combo box follows the text of the value box it serves. A value the device holds
// (Cancel, monitoring, Apply's read-back) or a parameter file's value is only shown. Any other text is
// an edit: where it stands for an entry without being a value of it (a level in the wrong number
// format, "HVAC_HEAT 1 2"), the entry's own value text replaces it, so that box and choice show what
// Apply writes; a text that already is a value of its entry stays exactly as typed.
enum class FollowBy { ShowingDeviceValue, Editing };

// How the companions follow a box of `window` whose text is `text`, the device's value being `stored`:
// the device's value, or any text while the window shows devices' values (a parameter file), is shown.
FollowBy FollowFor(const fMain& window, const std::string& text, const std::string& stored);

// What the entries of a combo mean to the box it serves.
struct ChoiceValues {
  // The LON value type of the box's texts ("SNVT_setting"): a text it takes, in the user's number
  // format, is a value of the entry it stands for.
  std::string_view valueType;
  std::string decimalSep;
  // The entry's own value text, as the combo's Click writes it; none where the entry writes nothing.
  std::function<std::optional<std::string>(int entry)> entryText;
};

// Moves `combo` to entry `choice` of the text of `box`, without the combo's Click. A text that stands for
// no entry, or for one the combo's list lacks (no language texts), leaves the combo on no entry: it shows
// no value that the box does not hold. A drop-down combo with an edit field shows the box's text. Where an
// edit's text is no value of its entry, the entry's own text is written into the box first, without the
// box's Change: the caller marks the box after.
void FollowChoice(ui::TextBox& box, ui::ComboBox& combo, std::optional<int> choice, FollowBy how,
                  const ChoiceValues& values);

}  // namespace qvr
