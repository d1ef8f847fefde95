#include "mainwindow/editors/FollowChoice.h"

#include "devicemodel/QuietWrites.h"
#include "mainwindow/fMain.h"

namespace qvr {

FollowBy FollowFor(const fMain& window, const std::string& text, const std::string& stored) {
  return text == stored || window.ShowingDevicesValues() ? FollowBy::ShowingDeviceValue : FollowBy::Editing;
}

void FollowChoice(ui::ComboBox& combo, std::optional<int> choice, FollowBy how) {
  const int entry = choice && *choice < combo.ListCount() ? *choice : -1;
  if (how == FollowBy::ShowingDeviceValue) {
    ShowChoice(combo, entry);
  } else {
    combo.SetListIndex(entry);
  }
}

}  // namespace qvr
