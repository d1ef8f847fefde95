#include "platform/eventloop/EventLoop.h"

#include <chrono>
#include <thread>

namespace platform {

void EventLoop::Occupy(std::int64_t milliseconds) {
  if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace platform
