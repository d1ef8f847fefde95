#pragma once

namespace ui {

// A user's queued input on the headless back end: the event loop takes the next one whenever it runs
// (DoEvents, a modal form's loop), as a window system delivers input events.
class HeadlessUserInput {
 public:
  virtual ~HeadlessUserInput() = default;
  virtual bool Pending() const = 0;
  // Runs the next input; only when Pending().
  virtual void RunNext() = 0;
};

}  // namespace ui
