#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace platform {

// A timer of the event loop: fires its callback every Interval milliseconds while it is enabled and its
// interval is above 0. Enabling it, or changing the interval, starts a new period from now. The callback
// runs on the loop's one thread; a timer does not fire again while its own callback still runs.
class LoopTimer {
 public:
  virtual ~LoopTimer() = default;
  virtual void SetInterval(int milliseconds) = 0;
  virtual int Interval() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
};

// The program's one-thread event loop. Everything (window events, LNS monitoring, the spin-button timers,
// the yields of long loops) runs on it.
class EventLoop {
 public:
  virtual ~EventLoop() = default;

  // Runs `callback` later on the loop, after what is already pending.
  virtual void Post(std::function<void()> callback) = 0;

  // A new timer, disabled, with interval 0. Destroying it stops it.
  virtual std::unique_ptr<LoopTimer> CreateTimer(std::function<void()> onTimer) = 0;

  // Runs once what is pending now: posted callbacks and timers that are due; returns without waiting.
  virtual void DoEvents() = 0;

  // Milliseconds since the loop began (virtual in the headless loop).
  virtual std::int64_t NowMs() const = 0;

  // The loop's thread is held for `milliseconds` by a call that waits for an answer (a device on a slow
  // channel): nothing on the loop runs meanwhile. A real loop sleeps, as this does; the headless loop
  // moves its virtual clock on, and what fell due meanwhile runs at the next DoEvents or Advance.
  virtual void Occupy(std::int64_t milliseconds);
};

}  // namespace platform
