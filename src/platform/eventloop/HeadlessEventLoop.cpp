#include "platform/eventloop/HeadlessEventLoop.h"

#include <algorithm>

namespace platform {

class HeadlessEventLoop::Timer : public LoopTimer {
 public:
  Timer(HeadlessEventLoop& loop, std::shared_ptr<TimerState> state) : loop_(loop), state_(std::move(state)) {}
  ~Timer() override {
    auto& timers = loop_.timers_;
    timers.erase(std::remove(timers.begin(), timers.end(), state_), timers.end());
  }

  void SetInterval(int milliseconds) override {
    state_->interval = std::max(0, milliseconds);
    loop_.Restart(*state_);
  }
  int Interval() const override { return state_->interval; }
  void SetEnabled(bool enabled) override {
    if (state_->enabled == enabled) return;
    state_->enabled = enabled;
    loop_.Restart(*state_);
  }
  bool Enabled() const override { return state_->enabled; }

 private:
  HeadlessEventLoop& loop_;
  std::shared_ptr<TimerState> state_;
};

HeadlessEventLoop::HeadlessEventLoop() = default;
HeadlessEventLoop::~HeadlessEventLoop() = default;

void HeadlessEventLoop::Post(std::function<void()> callback) {
  posted_.push_back(std::move(callback));
}

std::unique_ptr<LoopTimer> HeadlessEventLoop::CreateTimer(std::function<void()> onTimer) {
  auto state = std::make_shared<TimerState>();
  state->onTimer = std::move(onTimer);
  state->order = nextOrder_++;
  timers_.push_back(state);
  return std::make_unique<Timer>(*this, std::move(state));
}

void HeadlessEventLoop::Restart(TimerState& state) {
  state.due = now_ + state.interval;
}

HeadlessEventLoop::TimerState* HeadlessEventLoop::NextDue(std::int64_t limit) {
  TimerState* next = nullptr;
  for (const auto& timer : timers_) {
    if (!timer->enabled || timer->interval <= 0 || timer->running || timer->due > limit) continue;
    if (!next || timer->due < next->due || (timer->due == next->due && timer->order < next->order)) {
      next = timer.get();
    }
  }
  return next;
}

void HeadlessEventLoop::Fire(TimerState& state) {
  // The callback may destroy its own timer; keep the state alive until it returns.
  std::shared_ptr<TimerState> keep;
  for (const auto& timer : timers_) {
    if (timer.get() == &state) keep = timer;
  }
  state.due = now_ + state.interval;
  state.running = true;
  std::function<void()> callback = state.onTimer;
  callback();
  state.running = false;
}

void HeadlessEventLoop::RunPostedOnce() {
  std::deque<std::function<void()>> batch;
  batch.swap(posted_);
  for (auto& callback : batch) callback();
}

void HeadlessEventLoop::RunPending() {
  while (!posted_.empty()) RunPostedOnce();
}

void HeadlessEventLoop::DoEvents() {
  if (input_ && input_->Pending()) input_->RunNextInYield();
  RunPostedOnce();
  std::vector<std::shared_ptr<TimerState>> due;
  for (const auto& timer : timers_) {
    if (timer->enabled && timer->interval > 0 && !timer->running && timer->due <= now_) due.push_back(timer);
  }
  for (const auto& timer : due) {
    if (timer->enabled && !timer->running) Fire(*timer);
  }
}

void HeadlessEventLoop::Occupy(std::int64_t milliseconds) {
  now_ += std::max<std::int64_t>(0, milliseconds);
}

void HeadlessEventLoop::Advance(std::int64_t milliseconds) {
  const std::int64_t end = now_ + std::max<std::int64_t>(0, milliseconds);
  RunPending();
  while (TimerState* next = NextDue(end)) {
    now_ = std::max(now_, next->due);
    Fire(*next);
    RunPending();
  }
  // A callback that held the thread may have moved the clock past the end already.
  now_ = std::max(now_, end);
}

}  // namespace platform
