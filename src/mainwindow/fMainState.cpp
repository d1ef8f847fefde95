// The device's state as the status bar shows it, and whether the window takes a director's call now.

#include <algorithm>

#include "mainwindow/fMain.h"
#include "program/Program.h"

namespace qvr {

namespace {

// The state text that alone counts as an online device.
constexpr const char* kOnlineState = "Cnfg Online";

}  // namespace

bool fMain::DeviceShownOnline() {
  return PlugInStatus.Panels(kStatePanel).Text() == kOnlineState;
}

bool fMain::TakesDirectorCalls() const {
  if (ApplyRunning() || directorCallsHeld_ > 0 || program_.Ui().MessageBoxShown()) return false;
  return std::ranges::none_of(App().LoadedForms(), [](const ui::Form* form) { return form->IsModal(); });
}

}  // namespace qvr
