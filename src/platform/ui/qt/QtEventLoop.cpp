#include "platform/ui/qt/QtEventLoop.h"

#include <QCoreApplication>
#include <QTimer>

#include "platform/ui/qt/QtUnhandledErrors.h"

namespace ui {

namespace {

struct TimerState {
  std::function<void()> onTimer;
  bool alive = true;
  bool running = false;
};

class QtLoopTimer : public platform::LoopTimer {
 public:
  explicit QtLoopTimer(std::function<void()> onTimer)
      : state_(std::make_shared<TimerState>(TimerState{std::move(onTimer)})), timer_(new QTimer) {
    QObject::connect(timer_, &QTimer::timeout, [state = state_] {
      // A callback that runs DoEvents must not see its own timer fire inside it; one that destroys its
      // timer keeps the state alive through this copy until it returns.
      if (!state->alive || state->running) return;
      state->running = true;
      RunGuarded(state->onTimer);
      state->running = false;
    });
  }

  ~QtLoopTimer() override {
    state_->alive = false;
    timer_->stop();
    // The timer may be the one whose timeout is being delivered right now.
    timer_->deleteLater();
  }

  void SetInterval(int milliseconds) override {
    interval_ = std::max(0, milliseconds);
    Restart();
  }
  int Interval() const override { return interval_; }
  void SetEnabled(bool enabled) override {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    Restart();
  }
  bool Enabled() const override { return enabled_; }

 private:
  void Restart() {
    if (enabled_ && interval_ > 0) {
      timer_->start(interval_);
    } else {
      timer_->stop();
    }
  }

  std::shared_ptr<TimerState> state_;
  QTimer* timer_;
  int interval_ = 0;
  bool enabled_ = false;
};

}  // namespace

QtEventLoop::QtEventLoop() {
  clock_.start();
}

void QtEventLoop::Post(std::function<void()> callback) {
  QMetaObject::invokeMethod(
      &context_, [callback = std::move(callback)] { RunGuarded(callback); }, Qt::QueuedConnection);
}

std::unique_ptr<platform::LoopTimer> QtEventLoop::CreateTimer(std::function<void()> onTimer) {
  return std::make_unique<QtLoopTimer>(std::move(onTimer));
}

void QtEventLoop::DoEvents() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace ui
