#include "mainwindow/device/ProgressWindows.h"

#include "framework/fProgress.h"
#include "mainwindow/device/fStartbild.h"
#include "program/Program.h"

namespace qvr {

void CloseProgressWindows(Program& program) {
  program.Windows().Unload<fProgress>();
  program.Windows().Unload<fStartbild>();
}

}  // namespace qvr
