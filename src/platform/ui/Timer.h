#pragma once

#include <functional>
#include <memory>

#include "platform/ui/StatefulControl.h"

namespace platform {
class LoopTimer;
}  // namespace platform

namespace ui {

struct TimerState {
  int interval = 0;
};

// A form's timer: raises Timer every Interval milliseconds while it is enabled (Control::Enabled, on by
// default), its interval is above 0 and its form is loaded. It runs on a timer of the application's event
// loop (virtual time in the headless loop); enabling it or changing the interval starts a new period from
// now.
class Timer : public StatefulControl<TimerState> {
 public:
  Timer(Form& form, std::string name, int index = -1);
  ~Timer() override;

  std::string_view Kind() const override { return "Timer"; }

  int Interval() const;
  // Negative values raise error 380.
  void SetInterval(int milliseconds);
  std::function<void()> OnTimer;

  void Describe(SnapshotFields& out) const override;

 protected:
  void RestoreDesign() override;
  void FormLoadedChanged(bool loaded) override;
  void EnabledChanged() override { Sync(); }

 private:
  void Sync();

  std::unique_ptr<platform::LoopTimer> loopTimer_;
};

}  // namespace ui
