#include "mainwindow/device/RetryStep.h"

#include "platform/runtime/ResumeNext.h"
#include "program/Program.h"

namespace qvr {

std::function<std::string(const runtime::ErrObject&)> DescriptionThen(std::string suffix) {
  return [suffix = std::move(suffix)](const runtime::ErrObject& err) { return err.Description + suffix; };
}

StepResult RetryStep(Program& program, const RetryBox& box, StepRef step) {
  while (!runtime::ResumeNext(program.Err, step)) {
    if (box.beforeBox) box.beforeBox();
    const int answer =
        program.Ui().MsgBox(box.prompt(program.Err), ui::vbAbortRetryIgnore + box.icon, box.title);
    if (answer == ui::vbAbort) return StepResult::Aborted;
    if (answer == ui::vbIgnore) return StepResult::Ignored;
  }
  return StepResult::Done;
}

}  // namespace qvr
