#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "platform/eventloop/EventLoop.h"
#include "platform/eventloop/HeadlessUserInput.h"

namespace platform {

// Deterministic event loop for tests: time stands still until a test advances the virtual clock.
class HeadlessEventLoop : public EventLoop {
 public:
  HeadlessEventLoop();
  ~HeadlessEventLoop() override;

  void Post(std::function<void()> callback) override;
  std::unique_ptr<LoopTimer> CreateTimer(std::function<void()> onTimer) override;
  void DoEvents() override;
  std::int64_t NowMs() const override { return now_; }
  void Occupy(std::int64_t milliseconds) override;

  // Moves the clock forward by `milliseconds`, firing every timer at each moment it falls due (in time
  // order, ties in creation order) and running posted callbacks as they come.
  void Advance(std::int64_t milliseconds);

  // Runs posted callbacks until none is left (callbacks may post more).
  void RunPending();

  std::size_t PendingCount() const { return posted_.size(); }

  // The user's input that DoEvents takes (HeadlessUserInput::RunNextInYield), one input per call, before
  // the posted work and the timers; null for none.
  void SetUserInput(HeadlessUserInput* input) { input_ = input; }
  HeadlessUserInput* UserInput() const { return input_; }

 private:
  class Timer;
  friend class Timer;

  struct TimerState {
    std::function<void()> onTimer;
    int interval = 0;
    bool enabled = false;
    bool running = false;
    std::int64_t due = 0;
    std::uint64_t order = 0;
  };

  void Restart(TimerState& state);
  TimerState* NextDue(std::int64_t limit);
  void Fire(TimerState& state);
  void RunPostedOnce();

  std::int64_t now_ = 0;
  std::uint64_t nextOrder_ = 0;
  std::deque<std::function<void()>> posted_;
  std::vector<std::shared_ptr<TimerState>> timers_;
  HeadlessUserInput* input_ = nullptr;
};

}  // namespace platform
