#pragma once

#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace com {

// A request to end the program (SIGTERM, as `lns bus stop` sends it), handed to the event loop: the
// program ends in order there rather than in the middle of whatever the signal interrupted. One at a
// time per process; the signal's default action is back once it goes.
class EndRequest {
 public:
  explicit EndRequest(std::function<void()> onRequest);
  ~EndRequest();
  EndRequest(const EndRequest&) = delete;
  EndRequest& operator=(const EndRequest&) = delete;

 private:
  std::function<void()> onRequest_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace com
