// Shut-down of the plug-in, the menu's exit and the log commands.

#include <string>

#include "mainwindow/fMain.h"
#include "platform/runtime/ResumeNext.h"
#include "program/Program.h"
#include "texts/MainMessages.h"

namespace qvr {

void fMain::WireShutdownHandlers() {
  mnuExit.OnClick = [this] { mnuExit_Click(); };
  mnuClearLog.OnClick = [this] { mnuClearLog_Click(); };
  mnuSaveLog.OnClick = [this] { mnuSaveLog_Click(); };
  mnuSaveLogAs.OnClick = [this] { mnuSaveLogAs_Click(); };
}

void fMain::EndPlugIn() {
  FrameworkState& state = program_.framework;
  runtime::ErrObject& err = program_.Err;
  runtime::ResumeNext(err, [&] { Hide(); });
  state.CurrentDevice.reset();
  NvCollection.reset();
  runtime::ResumeNext(err, [&] {
    if (state.CurrentSystem && state.CurrentSystem->GetIsOpen()) state.CurrentSystem->Close();
  });
  state.CurrentSystem.reset();
  runtime::ResumeNext(err, [&] {
    if (state.CurrentNetwork && state.CurrentNetwork->GetIsOpen()) state.CurrentNetwork->Close();
  });
  state.CurrentNetwork.reset();
  runtime::ResumeNext(err, [&] {
    if (lcaOS_->IsOpen()) lcaOS_->Close();
  });
  state.ObjectServerIsOpen = false;
  state.NetworkIsOpen = false;
  // Unloading the main window unloads every other window with it.
  runtime::ResumeNext(err, [&] { Unload(); });
  program_.EndProgram();
}

// While a director holds an object the close box only hides the window, and the release of the last
// object ends the plug-in; with none left, closing the window ends it, as the last window of a program
// does.
void fMain::Form_QueryUnload(bool& Cancel) {
  Cancel = true;
  // A transfer under way works on the window's state; closing fStatus is how it is stopped.
  if (ApplyRunning()) return;
  if (program_.framework.InstanceCount == 0) {
    EndPlugIn();
  } else {
    Hide();
  }
}

void fMain::mnuExit_Click() {
  if (ApplyRunning()) return;
  const std::int16_t directors = program_.framework.InstanceCount;
  if (directors != 0) {
    const auto& messages = program_.texts.MsgMain;
    const std::string question =
        directors == 1 ? messages[kMsgOneDirector]
                       : messages[kMsgThereAre] + std::to_string(directors) + messages[kMsgDirectorsUsing];
    // No is the default: a director losing its plug-in by a stray Enter is the worse mistake.
    const int answer =
        program_.Ui().MsgBox(question, ui::vbYesNo + ui::vbDefaultButton2, Program::kApplicationTitle);
    if (answer != ui::vbYes) return;
  }
  EndPlugIn();
}

void fMain::mnuClearLog_Click() {
  EchLog.ClearLog();
}

void fMain::mnuSaveLog_Click() {
  EchLog.SaveLog();
}

void fMain::mnuSaveLogAs_Click() {
  const auto held = HoldDirectorCalls();
  EchLog.SaveLogAs();
}

}  // namespace qvr
