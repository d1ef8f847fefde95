#include "mainwindow/MenuCommand.h"

#include "platform/runtime/ResumeNext.h"
#include "program/Program.h"

namespace qvr {

void RunMenuCommand(Program& program, const std::string& routine, const std::function<void()>& work) {
  if (runtime::ResumeNext(program.Err, work)) return;
  program.Ui().MsgBox("Error: " + routine + "(fMain)\r\n" + program.Err.Description, ui::vbOKOnly);
}

}  // namespace qvr
