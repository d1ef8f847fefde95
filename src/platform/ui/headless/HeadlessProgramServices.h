#pragma once

#include "platform/ui/headless/HeadlessServices.h"
#include "platform/ui/headless/PosixShell.h"

namespace ui {

// The services of a program run from a script on the headless back end (the plug-in program's, `lns send`'s):
// those of the tests (windows in the headless model, message boxes taking the script's answers), except
// that programs really start and documents really open, since what a program starts (a second instance
// that registers a class) or opens (the readme) is part of what the script asks for.
class HeadlessProgramServices : public HeadlessServices {
 public:
  ui::Shell& DesktopShell() override { return shell_; }

 private:
  PosixShell shell_;
};

}  // namespace ui
