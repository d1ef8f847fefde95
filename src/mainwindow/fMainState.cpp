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

fMain::DirectorCallWait fMain::DirectorCallsWait() const {
  // A window of the user's first: it is what the user has to close before the call can run.
  if (directorCallsHeld_ > 0 || program_.Ui().MessageBoxShown() ||
      std::ranges::any_of(App().LoadedForms(), [](const ui::Form* form) { return form->IsModal(); })) {
    return DirectorCallWait::UserWindow;
  }
  if (ApplyRunning()) return DirectorCallWait::Apply;
  if (directorsCommands_ > 0) return DirectorCallWait::Command;
  return DirectorCallWait::None;
}

}  // namespace qvr
