#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <utility>

#include "platform/eventloop/EventLoop.h"

namespace lns {

// Monitor settings of one network variable, as a client puts them.
struct MonitorSettings {
  bool enable = false;
  long pollInterval = 0;  // tenths of a second; 0 means not polled
  long tag = 0;
  bool suspended = false;
  long mode = 0;  // kept for the client; polling does not depend on it
  bool optionA = false;
  bool optionB = false;

  // Polled while enabled, not suspended and with an interval above 0.
  bool Polled() const { return enable && !suspended && pollInterval > 0; }
};

// The monitored network variables of one open system, each polled by an event-loop timer of its own.
class NvMonitor {
 public:
  using Poll = std::function<void(std::int64_t device, int nvIndex, long tag)>;

  NvMonitor(platform::EventLoop& loop, Poll poll) : loop_(loop), poll_(std::move(poll)) {}

  MonitorSettings Settings(std::int64_t device, int nvIndex) const;
  // Changes the settings and starts, restarts (new interval) or stops the variable's timer to match.
  void Change(std::int64_t device, int nvIndex, const std::function<void(MonitorSettings&)>& change);

 private:
  using Key = std::pair<std::int64_t, int>;
  struct Point {
    MonitorSettings settings;
    std::unique_ptr<platform::LoopTimer> timer;
  };

  platform::EventLoop& loop_;
  Poll poll_;
  std::map<Key, Point> points_;
};

}  // namespace lns
