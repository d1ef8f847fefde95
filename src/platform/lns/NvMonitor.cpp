#include "platform/lns/NvMonitor.h"

namespace lns {

namespace {

constexpr int kMsPerTenth = 100;

}  // namespace

MonitorSettings NvMonitor::Settings(std::int64_t device, int nvIndex) const {
  auto found = points_.find({device, nvIndex});
  return found == points_.end() ? MonitorSettings{} : found->second.settings;
}

void NvMonitor::Change(std::int64_t device, int nvIndex,
                       const std::function<void(MonitorSettings&)>& change) {
  Key key{device, nvIndex};
  Point& point = points_[key];
  change(point.settings);
  const MonitorSettings& settings = point.settings;
  if (!settings.Polled()) {
    if (point.timer) point.timer->SetEnabled(false);
    return;
  }
  if (!point.timer) {
    // The timer's callback looks its point up again: a handler of the update may have changed or cleared it.
    point.timer = loop_.CreateTimer([this, key] {
      auto found = points_.find(key);
      if (found == points_.end() || !found->second.settings.Polled()) return;
      poll_(key.first, key.second, found->second.settings.tag);
    });
  }
  int interval = static_cast<int>(settings.pollInterval * kMsPerTenth);
  if (point.timer->Interval() != interval) point.timer->SetInterval(interval);
  point.timer->SetEnabled(true);
}

}  // namespace lns
