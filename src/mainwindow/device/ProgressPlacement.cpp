#include "mainwindow/device/ProgressPlacement.h"

#include "mainwindow/device/fProgress.h"
#include "mainwindow/device/fStartbild.h"
#include "mainwindow/fMain.h"
#include "program/Program.h"

namespace qvr {

void PlaceProgressForMainWindow(Program& program, fProgress& progress) {
  const ui::Screen& screen = program.Ui().Screen();
  const ui::Form& mainWindow = program.fMain();
  const double splashHeight = program.fStartbild().Height();
  progress.Move(static_cast<float>((screen.Width() - (mainWindow.Width() + splashHeight / 2.1)) / 2),
                static_cast<float>((screen.Height() - (mainWindow.Height() - splashHeight / 1.1)) / 2));
}

}  // namespace qvr
