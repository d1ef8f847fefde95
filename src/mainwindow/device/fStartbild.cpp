#include "mainwindow/device/fStartbild.h"

#include <string>

#include "identity/PlugInIdentity.h"
#include "program/Program.h"

namespace qvr {

fStartbild::fStartbild(Program& program)
    : ui::Form(program.App(), "fStartbild"),
      lblFirma(*this, "lblFirma"),
      lblProgramm(*this, "lblProgramm"),
      Progr_Geraete(*this, "Progr_Geraete"),
      lblGeraet(*this, "lblGeraet"),
      program_(program) {
  // Borderless, so the window is its client area of 7020 x 4935 twips.
  SetBorderStyle(ui::vbBSNone);
  Move(0, 0, 7020, 4935);
  lblFirma.Move(240, 1500, 6540, 255);
  lblFirma.SetCaption(kManufacturerName);
  lblProgramm.Move(240, 1980, 6540, 255);
  lblProgramm.SetCaption(std::string(kProjectName) + "  Version " + kPlugInVersion);
  Progr_Geraete.Move(240, 4200, 6540, 255);
  Progr_Geraete.SetVisible(false);
  lblGeraet.Move(240, 3900, 6540, 255);
  lblGeraet.SetVisible(false);
}

void fStartbild::Form_Load() {
  ui::Screen& screen = program_.Ui().Screen();
  Move((screen.Width() - Width()) / 2, (screen.Height() - Height() + 15) / 2);
}

qvr::fStartbild& Program::fStartbild() {
  return Windows().Get<qvr::fStartbild>(*this);
}

}  // namespace qvr
