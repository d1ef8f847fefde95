#include "framework/fRegisterPlugIn.h"

#include "framework/MachineRegistration.h"
#include "identity/PlugInIdentity.h"
#include "mainwindow/fMain.h"
#include "program/Program.h"

namespace qvr {

namespace {

// The design in twips: a client area of 3165 x 4305 inside a fixed dialog's frame and title bar.
constexpr float kFormWidth = 3165 + 90;
constexpr float kFormHeight = 4305 + 405;
constexpr float kFrameLeft = 255;
constexpr float kFrameWidth = 2655;
constexpr float kButtonWidth = 1692;
constexpr float kButtonHeight = 492;
constexpr float kInFrameLeft = (kFrameWidth - kButtonWidth) / 2;
constexpr int kGermanItem = 0;
constexpr int kEnglishItem = 1;

}  // namespace

fRegisterPlugIn::fRegisterPlugIn(Program& program)
    : ui::Form(program.App(), "fRegisterPlugIn"),
      Frame_Register(*this, "Frame_Register"),
      bRegister(*this, "bRegister"),
      bDeregister(*this, "bDeregister"),
      Frame1(*this, "Frame1"),
      Language(*this, "Language"),
      bExit(*this, "bExit"),
      program_(program) {
  SetCaption("Plug-in name will be set here at run time");
  SetBorderStyle(ui::vbFixedDialog);
  Move(0, 0, kFormWidth, kFormHeight);

  Frame_Register.SetCaption("Plug-in");
  Frame_Register.Move(kFrameLeft, 120, kFrameWidth, 1560);
  bRegister.SetCaption("&Register Plug-in");
  bRegister.SetContainer(Frame_Register);
  bRegister.Move(kInFrameLeft, 360, kButtonWidth, kButtonHeight);
  bDeregister.SetCaption("&Deregister Plug-in");
  bDeregister.SetContainer(Frame_Register);
  bDeregister.Move(kInFrameLeft, 930, kButtonWidth, kButtonHeight);

  Frame1.SetCaption("Language");
  Frame1.Move(kFrameLeft, 1860, kFrameWidth, 975);
  Language.SetContainer(Frame1);
  Language.Move(kInFrameLeft, 420, kButtonWidth, 315);

  bExit.SetCaption("&Exit");
  bExit.Move(kFrameLeft + kInFrameLeft, 3360, kButtonWidth, kButtonHeight);

  // The language follows what the user types; a pick from the list counts when Register is pressed.
  Language.OnChange = [this] { Language_Change(); };
  bRegister.OnClick = [this] { bRegister_Click(); };
  bDeregister.OnClick = [this] { bDeregister_Click(); };
  bExit.OnClick = [this] { bExit_Click(); };
}

void fRegisterPlugIn::Form_Load() {
  SetCaption(kProjectName);
  const ui::Screen& screen = program_.Ui().Screen();
  Move((screen.Width() - Width()) / 2, (screen.Height() - Height()) / 2);
  Language.AddItem("Deutsch", kGermanItem);
  Language.AddItem("English", kEnglishItem);
  Language.SetListIndex(kGermanItem);
}

void fRegisterPlugIn::SetRegisterLanguageFromSelection() {
  const int index = Language.ListIndex();
  if (index == kGermanItem) program_.framework.RegisterLanguage = "german";
  if (index == kEnglishItem) program_.framework.RegisterLanguage = "english";
}

void fRegisterPlugIn::Language_Change() {
  SetRegisterLanguageFromSelection();
}

void fRegisterPlugIn::bRegister_Click() {
  SetRegisterLanguageFromSelection();
  RegisterPlugIn(program_, true);
  Unload();
}

void fRegisterPlugIn::EnableButtons(bool enabled) {
  for (ui::CommandButton* button : {&bRegister, &bDeregister, &bExit}) button->SetEnabled(enabled);
}

void fRegisterPlugIn::bDeregister_Click() {
  EnableButtons(false);
  deregistering_ = true;
  program_.Ui().DoEvents();
  DeregisterPlugIn(program_, 1, true);
  deregistering_ = false;
  EnableButtons(true);
  Unload();
}

void fRegisterPlugIn::bExit_Click() {
  Unload();
}

void fRegisterPlugIn::Form_QueryUnload(bool& Cancel) {
  if (deregistering_) Cancel = true;
}

void fRegisterPlugIn::Form_Unload() {
  // The main window's shut-down closes what a deregistration left open; a run that never loaded it has
  // nothing to close, and loading it now would only flash its splash window.
  qvr::fMain* mainWindow = program_.Windows().Find<qvr::fMain>();
  if (mainWindow && mainWindow->IsLoaded()) {
    mainWindow->EndPlugIn();
  } else {
    program_.EndProgram();
  }
}

}  // namespace qvr
