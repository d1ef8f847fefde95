#include "mainwindow/editors/FollowChoice.h"

#include "mainwindow/fMain.h"

namespace qvr {

FollowBy FollowFor(const fMain& window, const std::string& text, const std::string& stored) {
  return text == stored || window.ShowingDevicesValues() ? FollowBy::ShowingDeviceValue : FollowBy::Editing;
}

}  // namespace qvr
