#include "mainwindow/fStartbild.h"

#include "framework/Program.h"

namespace qvr {

fStartbild::fStartbild(Program& program) : ui::Form(program.App(), "fStartbild"), program_(program) {
  // Borderless, so the window is its client area of 7020 x 4935 twips.
  SetBorderStyle(ui::vbBSNone);
  Move(0, 0, 7020, 4935);
}

void fStartbild::Form_Load() {
  ui::Screen& screen = program_.Ui().Screen();
  Move((screen.Width() - Width()) / 2, (screen.Height() - Height() + 15) / 2);
}

}  // namespace qvr
