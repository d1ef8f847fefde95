#include "platform/ui/Timer.h"

#include "platform/eventloop/EventLoop.h"
#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
#include "platform/ui/Snapshot.h"
#include "platform/ui/UiError.h"

namespace ui {

Timer::Timer(Form& form, std::string name, int index)
    : StatefulControl(form, std::move(name), index), loopTimer_(form.App().Loop().CreateTimer([this] {
        if (OnTimer) OnTimer();
      })) {}

Timer::~Timer() = default;

int Timer::Interval() const {
  return S().interval;
}

void Timer::SetInterval(int milliseconds) {
  if (milliseconds < 0) {
    RaiseUiError(platform::kErrInvalidPropertyValue,
                 "Invalid property value: interval " + std::to_string(milliseconds));
  }
  if (Assign(&TimerState::interval, milliseconds, Property::Value)) Sync();
}

void Timer::Sync() {
  const bool running = Parent().IsLoaded() && RawEnabled() && Raw().interval > 0;
  // Each change of the interval or the enabled flag starts a new period.
  loopTimer_->SetEnabled(false);
  loopTimer_->SetInterval(Raw().interval);
  loopTimer_->SetEnabled(running);
}

void Timer::RestoreDesign() {
  StatefulControl::RestoreDesign();
  Sync();
}

void Timer::FormLoadedChanged(bool /*loaded*/) {
  Sync();
}

void Timer::Describe(SnapshotFields& out) const {
  out.Number("interval", static_cast<long>(Raw().interval));
}

}  // namespace ui
