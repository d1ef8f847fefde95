#include "mainwindow/files/fDruckmenue.h"

#include "mainwindow/design/SetLanguageTexts.h"
#include "program/Program.h"
#include "texts/WindowTexts.h"

namespace qvr {

fDruckmenue::fDruckmenue(Program& program)
    : ui::Form(program.App(), "fDruckmenue"),
      lblDruckauswahl(*this, "lblDruckauswahl"),
      chknci(*this, "chknci"),
      chknvi(*this, "chknvi"),
      chknvo(*this, "chknvo"),
      cmdDruck(*this, "cmdDruck"),
      program_(program) {
  SetCaption("Druckinhalt");
  SetBorderStyle(ui::vbFixedDialog);
  Move(0, 0, 3570, 2790);
  lblDruckauswahl.SetCaption("Auswahl des Druckinhaltes");
  lblDruckauswahl.Move(240, 180, 3000, 255);
  chknci.SetCaption("SCPTs / UCPTs");
  chknci.Move(480, 600, 2400, 255);
  chknvi.SetCaption("nvi's");
  chknvi.Move(480, 960, 2400, 255);
  chknvo.SetCaption("nvo's");
  chknvo.Move(480, 1320, 2400, 255);
  cmdDruck.SetCaption("&Druckmenü");
  cmdDruck.Move(960, 1800, 1575, 375);
  cmdDruck.OnClick = [this] { cmdDruck_Click(); };
}

void fDruckmenue::Form_Activate() {
  const ui::Screen& screen = program_.Ui().Screen();
  Move((screen.Width() - Width()) / 2, (screen.Height() - Height()) / 2);
  SetLanguageTexts(program_, *this, kPrintChoiceWindowTexts);
}

void fDruckmenue::cmdDruck_Click() {
  MainWindowState& state = program_.mainwindow;
  state.PrintNvi = chknvi.Value() != ui::vbUnchecked;
  state.PrintNvo = chknvo.Value() != ui::vbUnchecked;
  state.PrintNci = chknci.Value() != ui::vbUnchecked;
  Unload();
}

}  // namespace qvr
