#include "mainwindow/device/ProgressWindows.h"

#include "mainwindow/device/fProgress.h"
#include "mainwindow/device/fStartbild.h"
#include "program/Program.h"

namespace qvr {

void CloseProgressWindows(Program& program) {
  program.Windows().Unload<fProgress>();
  program.Windows().Unload<fStartbild>();
}

}  // namespace qvr
