#include "mainwindow/device/fProgress.h"

#include "mainwindow/device/fStartbild.h"
#include "program/Program.h"

namespace qvr {

namespace {
constexpr int kHourglass = 11;
constexpr int kDefaultPointer = 0;
}  // namespace

fProgress::fProgress(Program& program)
    : ui::Form(program.App(), "fProgress"), lblStatus(*this, "lblStatus"), program_(program) {
  SetCaption("QVR Plug-in");
  SetBorderStyle(ui::vbFixedToolWindow);
  // Client area 4260 x 255 twips plus the tool window's frame and title bar.
  Move(0, 0, 4350, 600);
  lblStatus.Move(0, 0, 4260, 255);
  lblStatus.SetCaption(" Initialisiere PlugIn....");
  lblStatus.OnChange = [this] { Place(); };
}

void fProgress::ShowStatus(const std::string& text) {
  lblStatus.SetCaption(text);
  program_.Ui().DoEvents();
}

void fProgress::Place() {
  const ui::Screen& screen = program_.Ui().Screen();
  const double splashHeight = program_.fStartbild().Height();
  const double left = (screen.Width() - (Width() + splashHeight / 50.1)) / 2;
  const double top = (screen.Height() - (Height() - splashHeight / 1.1)) / 2;
  Move(static_cast<float>(left), static_cast<float>(top));
}

void fProgress::Form_Load() {
  Place();
  program_.Ui().Screen().SetMousePointer(kHourglass);
  if (!Visible()) SetVisible(true);
  Place();
  // The work the window announces keeps the loop busy: it is drawn now, not when the loop next runs.
  Refresh();
}

void fProgress::Form_Activate() {
  Place();
}

void fProgress::Form_Unload() {
  program_.Ui().Screen().SetMousePointer(kDefaultPointer);
}

qvr::fProgress& Program::fProgress() {
  return Windows().Get<qvr::fProgress>(*this);
}

}  // namespace qvr
