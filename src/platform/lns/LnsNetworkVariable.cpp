#include "platform/lns/LnsNetworkVariable.h"

#include <climits>

#include "platform/lns/LnsCollection.h"
#include "platform/lns/LnsConfigProperty.h"
#include "platform/lns/LnsError.h"
#include "platform/lns/sim/DeviceAccess.h"
#include "platform/lns/storage/NetworkState.h"

namespace lns {

namespace {

constexpr long kLongestPollInterval = INT_MAX / 100;

}  // namespace

std::string LnsNetworkVariable::GetValue() const {
  return ReadNetworkVariable(ref_, *nv_);
}

void LnsNetworkVariable::PutValue(std::string_view text) {
  WriteNetworkVariable(ref_, *nv_, text);
}

LnsConfigProperties LnsNetworkVariable::GetConfigProperties() const {
  return LnsConfigProperties(ref_, ref_.interface->PropertiesOf(CpOwner::NetworkVariable, nv_->index));
}

MonitorSettings LnsNetworkVariable::Monitor() const {
  if (!ref_.OfDevice()) return MonitorSettings{};
  return ref_.network->Monitor().Settings(ref_.deviceId, nv_->index);
}

void LnsNetworkVariable::ChangeMonitor(const std::function<void(MonitorSettings&)>& change) {
  if (!ref_.OfDevice()) {
    throw LnsError(kLnsInvalidArgument, "the network variable " + nv_->name +
                                            " belongs to a device template and cannot be monitored");
  }
  ref_.network->Monitor().Change(ref_.deviceId, nv_->index, change);
}

void LnsNetworkVariable::PutMonitorEnable(bool enable) {
  ChangeMonitor([enable](MonitorSettings& settings) { settings.enable = enable; });
}
bool LnsNetworkVariable::GetMonitorEnable() const {
  return Monitor().enable;
}

void LnsNetworkVariable::PutMonitorPollInterval(long tenths) {
  if (tenths < 0 || tenths > kLongestPollInterval) {
    throw LnsError(kLnsInvalidArgument, "poll interval " + std::to_string(tenths) + " is outside 0 to " +
                                            std::to_string(kLongestPollInterval) + " tenths of a second");
  }
  ChangeMonitor([tenths](MonitorSettings& settings) { settings.pollInterval = tenths; });
}
long LnsNetworkVariable::GetMonitorPollInterval() const {
  return Monitor().pollInterval;
}

void LnsNetworkVariable::PutMonitorTag(long tag) {
  ChangeMonitor([tag](MonitorSettings& settings) { settings.tag = tag; });
}
long LnsNetworkVariable::GetMonitorTag() const {
  return Monitor().tag;
}

void LnsNetworkVariable::PutMonitorSuspended(bool suspended) {
  ChangeMonitor([suspended](MonitorSettings& settings) { settings.suspended = suspended; });
}
bool LnsNetworkVariable::GetMonitorSuspended() const {
  return Monitor().suspended;
}

void LnsNetworkVariable::PutMonitorMode(long mode) {
  ChangeMonitor([mode](MonitorSettings& settings) { settings.mode = mode; });
}
long LnsNetworkVariable::GetMonitorMode() const {
  return Monitor().mode;
}

void LnsNetworkVariable::PutMonitorOptionA(bool option) {
  ChangeMonitor([option](MonitorSettings& settings) { settings.optionA = option; });
}
bool LnsNetworkVariable::GetMonitorOptionA() const {
  return Monitor().optionA;
}

void LnsNetworkVariable::PutMonitorOptionB(bool option) {
  ChangeMonitor([option](MonitorSettings& settings) { settings.optionB = option; });
}
bool LnsNetworkVariable::GetMonitorOptionB() const {
  return Monitor().optionB;
}

const std::vector<TemplateInterface::NetworkVariable>& LnsNetworkVariables::Listed() const {
  ref_.network->Database();
  return ref_.interface->networkVariables;
}

LnsNetworkVariable LnsNetworkVariables::ItemByIndex(int index) const {
  ref_.network->Database();
  const auto* nv = ref_.interface->FindNetworkVariable(index);
  if (!nv) {
    throw LnsError(kLnsNotFound,
                   ref_.OwnerLabel() + " has no network variable with index " + std::to_string(index));
  }
  return LnsNetworkVariable(ref_, *nv);
}

}  // namespace lns
