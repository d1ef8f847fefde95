#include "mainwindow/fMain.h"

#include "mainwindow/apply/fStatus.h"
#include "mainwindow/design/SetLanguageTexts.h"
#include "mainwindow/device/ProgressPlacement.h"
#include "mainwindow/device/fProgress.h"
#include "mainwindow/device/fStartbild.h"
#include "platform/runtime/ResumeNext.h"
#include "program/Program.h"
#include "texts/WindowTexts.h"

namespace qvr {

fMain::fMain(Program& program)
    : ui::Form(program.App(), "fMain"),
      tabData(*this, "tabData"),
      fraBlock(*this, "fraBlock"),
      fraSccInner(*this, "fraSccInner"),
      txtNci(*this, "txtNci"),
      txtNvi(*this, "txtNvi"),
      txtNvo(*this, "txtNvo"),
      txtnviset(*this, "txtnviset"),
      lblNci(*this, "lblNci"),
      lblNvi(*this, "lblNvi"),
      lblNvo(*this, "lblNvo"),
      cmb_nci(*this, "cmb_nci"),
      cmb_nvi(*this, "cmb_nvi"),
      cmd_Nvi_Reset(*this, "cmd_Nvi_Reset"),
      UpD_nci(*this, "UpD_nci"),
      UpD_nvi(*this, "UpD_nvi"),
      PlugInStatus(*this, "PlugInStatus"),
      RTHinweis(*this, "RTHinweis"),
      EchLog(*this, "EchLog"),
      chkMonitor(*this, "chkMonitor"),
      txtPoll(*this, "txtPoll"),
      cmd_Poll_ok(*this, "cmd_Poll_ok"),
      cmdGerAuswahl(*this, "cmdGerAuswahl"),
      cmdApply(*this, "cmdApply"),
      cmdCancel(*this, "cmdCancel"),
      Timer(*this, "Timer"),
      Timer2(*this, "Timer2"),
      mnuOptionen(*this, "mnuOptionen"),
      mnuClearLog(*this, "mnuClearLog"),
      mnuSaveLog(*this, "mnuSaveLog"),
      mnuSaveLogAs(*this, "mnuSaveLogAs"),
      mnuSeparator1(*this, "mnuSeparator1"),
      mnuParameter_laden(*this, "mnuParameter_laden"),
      mnuParameter_speichern(*this, "mnuParameter_speichern"),
      mnuSeparator2(*this, "mnuSeparator2"),
      mnuDrucken(*this, "mnuDrucken"),
      mnuSeparator3(*this, "mnuSeparator3"),
      mnuExit(*this, "mnuExit"),
      mnuHilfe(*this, "mnuHilfe"),
      mnuAbout(*this, "mnuAbout"),
      mnuBeschreibung(*this, "mnuBeschreibung"),
      mnuReadme(*this, "mnuReadme"),
      program_(program),
      lcaOS_(std::make_unique<lns::LnsObjectServer>(program.Ui().Loop(), program.MachineRoot())) {
  App().SetMainForm(this);
  program.SetModelWindow(this);
  DesignControls();
  WireShutdownHandlers();
  WireNciChangeHandlers();
  WireValueEditorHandlers();
  WireSyncHandlers();
  WireApplyCancelHandlers();
  WireFileAndHelpMenuHandlers();
}

fMain::~fMain() {
  program_.SetModelWindow(nullptr);
}

lns::LnsObjectServer& fMain::lcaOS() {
  Load();
  return *lcaOS_;
}

void fMain::Form_Load() {
  SetCaption(kCaption);
  const ui::Screen& screen = program_.Ui().Screen();
  Move((screen.Width() - Width()) / 2, (screen.Height() - Height()) / 2);
  const Language language = SetLanguageTexts(program_, *this, kMainWindowTexts);
  // The English main window names the transfer-status window "State", which loads it, hidden, once the
  // message tables its labels read are filled; in German it waits for the first transfer.
  if (TransferStatusCaption(language)) program_.Windows().Get<fStatus>(program_);

  qvr::fStartbild& splash = program_.fStartbild();
  splash.Show();
  // The device's work that follows keeps the loop busy: the splash is drawn now, not when the loop next runs.
  splash.Refresh();
  qvr::fProgress& progress = program_.fProgress();
  PlaceProgressForMainWindow(program_, progress);
  progress.Show(ui::Modality::Modeless, this);
}

void fMain::Form_Resize() {
  runtime::ResumeNext(program_.Err, [&] {
    const auto& device = program_.framework.CurrentDevice;
    SetCaption(WindowState() == ui::vbMinimized && device ? device->GetName() : kCaption);
  });
}

// The main window is created on first use, like every single-instance window; its folder defines the
// accessors so that the program-wide state below the windows never includes them.
qvr::fMain& Program::fMain() {
  return Windows().Get<qvr::fMain>(*this);
}

}  // namespace qvr
