// The device's state as the status bar shows it.

#include "mainwindow/fMain.h"

namespace qvr {

namespace {

// The state text that alone counts as an online device.
constexpr const char* kOnlineState = "Cnfg Online";

}  // namespace

bool fMain::DeviceShownOnline() {
  return PlugInStatus.Panels(kStatePanel).Text() == kOnlineState;
}

}  // namespace qvr
