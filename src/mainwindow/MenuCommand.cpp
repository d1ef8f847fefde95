#include "mainwindow/MenuCommand.h"

#include "mainwindow/fMain.h"
#include "platform/runtime/ResumeNext.h"
#include "program/Program.h"

namespace qvr {

void RunMenuCommand(Program& program, const std::string& routine, const std::function<void()>& work) {
  // A director's command would open another device under the entry's dialogs.
  const auto held = program.fMain().HoldDirectorCalls();
  if (runtime::ResumeNext(program.Err, work)) return;
  program.Ui().MsgBox("Error: " + routine + "(fMain)\r\n" + program.Err.Description, ui::vbOKOnly);
}

}  // namespace qvr
