#pragma once

namespace platform {

// A user's queued input on the headless back end: the event loop takes the next one whenever it runs
// (DoEvents, a modal form's loop), as a window system delivers input events.
class HeadlessUserInput {
 public:
  virtual ~HeadlessUserInput() = default;
  virtual bool Pending() const = 0;
  // Runs the next input; only when Pending(). One that cannot be done ends the run.
  virtual void RunNext() = 0;
  // The yield of a long operation: runs the next input when it can be done now, and otherwise leaves it
  // queued, as a user waits for the window that the operation is still building.
  virtual void RunNextInYield() = 0;
};

}  // namespace platform
