#include "mainwindow/device/AbortableSteps.h"

namespace qvr {

StepResult AbortableSteps::operator()(StepRef step) {
  if (aborted_) return StepResult::Aborted;
  const StepResult result = RetryStep(program_, box_, step);
  aborted_ = result == StepResult::Aborted;
  return result;
}

}  // namespace qvr
