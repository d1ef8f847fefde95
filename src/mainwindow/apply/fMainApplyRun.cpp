// The failure handling of an Apply run: what happens when a step of it fails, and how the run ends early.

#include <string>

#include "mainwindow/apply/fMainApplyRun.h"
#include "platform/lns/LnsObjectModel.h"
#include "platform/runtime/Present.h"
#include "platform/runtime/ResumeNext.h"
#include "program/Program.h"
#include "texts/MainMessages.h"

namespace qvr {

namespace {

// Failures retried before the user is asked.
constexpr int kAutomaticRetries = 5;

}  // namespace

void LogSectionHeader(fMain& window, fMain::ApplyRun& run, const std::string& title) {
  if (run.headerLogged) return;
  window.EchLog.LogLine("");
  window.EchLog.LogLine(title);
  window.EchLog.LogLine("");
  run.headerLogged = true;
}

std::string WrittenDevicePrefix(const std::optional<lns::LnsAppDevice>& device) {
  const lns::LnsAppDevice& written = runtime::Present(device);
  return written.GetSubsystems().Item(1).GetName() + " : " + written.GetName();
}

bool fMain::ApplyStep(const std::function<void()>& step) {
  return ApplyStepOutcome(step) != StepOutcome::RunEnded;
}

fMain::StepOutcome fMain::ApplyStepOutcome(const std::function<void()>& step) {
  ApplyRun& run = runtime::Present(applyRun_);
  if (run.ended) return StepOutcome::RunEnded;
  for (;;) {
    if (runtime::ResumeNext(program_.Err, step)) return StepOutcome::Done;
    const std::string description = program_.Err.Description;
    // A device that is not online cannot take the value however often it is asked.
    if (!DeviceShownOnline()) {
      EchLog.ErrorLine(description);
      return StepOutcome::PassedOver;
    }
    if (run.retries < kAutomaticRetries) {
      ++run.retries;
      EchLog.ErrorLine(description + program_.texts.MsgMain[kMsgRepeating]);
      continue;
    }
    EchLog.ErrorLine(description);
    const int answer =
        program_.Ui().MsgBox("Error updating \r\n" + description + " in cmdApply(fMain)",
                             ui::vbAbortRetryIgnore + ui::vbInformation, "fMain cmdApply_Click");
    if (answer == ui::vbAbort) {
      run.ended = true;
      return StepOutcome::RunEnded;
    }
    run.retries = 0;
    if (answer == ui::vbIgnore) return StepOutcome::PassedOver;
  }
}

bool fMain::ApplyCancelled() {
  ApplyRun& run = runtime::Present(applyRun_);
  bool& cancelled = program_.mainwindow.TransferCancelled;
  if (cancelled) {
    cancelled = false;
    run.ended = true;
    run.cancelled = true;
  }
  return run.ended;
}

void fMain::LogParameterHeader() {
  LogSectionHeader(*this, runtime::Present(applyRun_), program_.texts.MsgMain[kMsgWritingParameters]);
}

void fMain::ClearParameterHeader() {
  runtime::Present(applyRun_).headerLogged = false;
}

}  // namespace qvr
