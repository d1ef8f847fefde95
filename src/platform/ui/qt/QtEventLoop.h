#pragma once

#include <QElapsedTimer>
#include <QObject>

#include "platform/eventloop/EventLoop.h"

namespace ui {

// The event loop on Qt's own: posted work and timers are Qt events, and DoEvents processes what Qt has
// pending. Needs a QCoreApplication (or QApplication) to exist.
class QtEventLoop : public platform::EventLoop {
 public:
  QtEventLoop();

  void Post(std::function<void()> callback) override;
  std::unique_ptr<platform::LoopTimer> CreateTimer(std::function<void()> onTimer) override;
  void DoEvents() override;
  std::int64_t NowMs() const override { return clock_.elapsed(); }

 private:
  QObject context_;  // receives the posted callbacks; they die with the loop
  QElapsedTimer clock_;
};

}  // namespace ui
