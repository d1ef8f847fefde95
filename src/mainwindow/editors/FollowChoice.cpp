#include "mainwindow/editors/FollowChoice.h"

#include <exception>

#include "devicemodel/QuietWrites.h"
#include "mainwindow/fMain.h"
#include "platform/lns/types/LonTypes.h"

namespace qvr {

namespace {

// Whether the device would take `text` as a value of `valueType`, as Apply writes it.
bool IsValueText(std::string_view valueType, const std::string& text, const std::string& decimalSep) {
  try {
    lns::FindLonType(valueType).Parse(text, decimalSep);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace

FollowBy FollowFor(const fMain& window, const std::string& text, const std::string& stored) {
  return text == stored || window.ShowingDevicesValues() ? FollowBy::ShowingDeviceValue : FollowBy::Editing;
}

void FollowChoice(ui::TextBox& box, ui::ComboBox& combo, std::optional<int> choice, FollowBy how,
                  const ChoiceValues& values) {
  const int entry = choice && *choice < combo.ListCount() ? *choice : -1;
  if (how == FollowBy::Editing && entry >= 0 &&
      !IsValueText(values.valueType, box.Text(), values.decimalSep)) {
    if (const std::optional<std::string> own = values.entryText(entry)) ShowText(box, *own);
  }
  if (combo.Style() == ui::vbComboDropdown) {
    ShowText(combo, box.Text());
  } else {
    ShowChoice(combo, entry);
  }
}

}  // namespace qvr
