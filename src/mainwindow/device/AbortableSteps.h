#pragma once

#include "mainwindow/device/RetryStep.h"

namespace qvr {

class Program;

// The steps of one routine under one Abort/Retry/Ignore box (RetryStep): once the user aborted, no
// further step runs, and the routine takes its failure exit when it sees Aborted().
class AbortableSteps {
 public:
  AbortableSteps(Program& program, RetryBox box) : program_(program), box_(std::move(box)) {}

  // Runs `step` unless an earlier step was aborted (that counts as Aborted again).
  StepResult operator()(StepRef step);
  bool Aborted() const { return aborted_; }

 private:
  Program& program_;
  RetryBox box_;
  bool aborted_ = false;
};

}  // namespace qvr
