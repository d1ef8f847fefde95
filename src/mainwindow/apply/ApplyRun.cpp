// The failure handling of an Apply run: what happens when a step of it fails, and how the run ends early.

#include "mainwindow/apply/ApplyRun.h"

#include <string>

#include "mainwindow/fMain.h"
#include "platform/runtime/ResumeNext.h"
#include "program/Program.h"
#include "texts/MainMessages.h"

namespace qvr {

namespace {

// Failures retried before the user is asked.
constexpr int kAutomaticRetries = 5;

}  // namespace

bool ApplyRun::Step(const std::function<void()>& step) {
  return TryStep(step) != StepOutcome::RunEnded;
}

ApplyRun::StepOutcome ApplyRun::TryStep(const std::function<void()>& step) {
  if (ended_) return StepOutcome::RunEnded;
  for (;;) {
    if (runtime::ResumeNext(program_.Err, step)) return StepOutcome::Done;
    const std::string description = program_.Err.Description;
    // A device that is not online cannot take the value however often it is asked.
    if (!window_.DeviceShownOnline()) {
      window_.EchLog.ErrorLine(description);
      return StepOutcome::PassedOver;
    }
    if (retries_ < kAutomaticRetries) {
      ++retries_;
      window_.EchLog.ErrorLine(description + program_.texts.MsgMain[kMsgRepeating]);
      continue;
    }
    window_.EchLog.ErrorLine(description);
    const int answer =
        program_.Ui().MsgBox("Error updating \r\n" + description + " in cmdApply(fMain)",
                             ui::vbAbortRetryIgnore + ui::vbInformation, "fMain cmdApply_Click");
    if (answer == ui::vbAbort) {
      ended_ = true;
      return StepOutcome::RunEnded;
    }
    retries_ = 0;
    if (answer == ui::vbIgnore) return StepOutcome::PassedOver;
  }
}

void ApplyRun::EndIfCancelled() {
  bool& cancelled = program_.mainwindow.TransferCancelled;
  if (!cancelled) return;
  cancelled = false;
  ended_ = true;
  cancelled_ = true;
}

void ApplyRun::LogSectionHeader(const std::string& title) {
  if (headerLogged_) return;
  window_.EchLog.LogLine("");
  window_.EchLog.LogLine(title);
  window_.EchLog.LogLine("");
  headerLogged_ = true;
}

void ApplyRun::LogParameterHeader() {
  LogSectionHeader(program_.texts.MsgMain[kMsgWritingParameters]);
}

void ApplyRun::ClearParameterHeader() {
  headerLogged_ = false;
}

}  // namespace qvr
