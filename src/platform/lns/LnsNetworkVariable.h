#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/lns/InterfaceRef.h"
#include "platform/lns/LnsCollection.h"
#include "platform/lns/NvMonitor.h"
#include "platform/lns/resources/TemplateInterface.h"

namespace lns {

class LnsConfigProperties;

// A network variable of a device (or of a device template's interface, which holds no value). Values are
// LNS formatted texts with the server's decimal separator. Monitor settings belong to this client's open
// system and are the same through every handle of the variable.
class LnsNetworkVariable {
 public:
  LnsNetworkVariable(InterfaceRef ref, const TemplateInterface::NetworkVariable& nv)
      : ref_(std::move(ref)), nv_(&nv) {}

  const std::string& GetName() const { return nv_->name; }
  int GetIndex() const { return nv_->index; }
  bool GetIsOutput() const { return nv_->direction == NvDirection::Output; }
  const std::string& GetTypeName() const { return nv_->type->Name(); }

  // Read from and written to the device, which must be online (kLnsDeviceNotOnline otherwise). A text that
  // the type refuses raises kLnsInvalidValue and changes nothing.
  std::string GetValue() const;
  void PutValue(std::string_view text);

  // The properties that belong to this variable (addressed "N:index/C:scope:index").
  LnsConfigProperties GetConfigProperties() const;

  void PutMonitorEnable(bool enable);
  bool GetMonitorEnable() const;
  // In tenths of a second, 0 to 2147483 (0: not polled).
  void PutMonitorPollInterval(long tenths);
  long GetMonitorPollInterval() const;
  void PutMonitorTag(long tag);
  long GetMonitorTag() const;
  void PutMonitorSuspended(bool suspended);
  bool GetMonitorSuspended() const;
  void PutMonitorMode(long mode);
  long GetMonitorMode() const;
  void PutMonitorOptionA(bool option);
  bool GetMonitorOptionA() const;
  void PutMonitorOptionB(bool option);
  bool GetMonitorOptionB() const;

 private:
  MonitorSettings Monitor() const;
  void ChangeMonitor(const std::function<void(MonitorSettings&)>& change);

  InterfaceRef ref_;
  const TemplateInterface::NetworkVariable* nv_;
};

// A device's network variables by ascending index; positions count from 1.
class LnsNetworkVariables : public ListedItems<LnsNetworkVariables, LnsNetworkVariable> {
 public:
  explicit LnsNetworkVariables(InterfaceRef ref) : ref_(std::move(ref)) {}

  // By the variable's index on the device.
  LnsNetworkVariable ItemByIndex(int index) const;

 private:
  friend ListedItems<LnsNetworkVariables, LnsNetworkVariable>;

  const std::vector<TemplateInterface::NetworkVariable>& Listed() const;
  LnsNetworkVariable Made(const TemplateInterface::NetworkVariable& entry) const {
    return LnsNetworkVariable(ref_, entry);
  }
  std::string Owner() const { return ref_.OwnerLabel(); }
  static std::string_view What() { return "network variable"; }

  InterfaceRef ref_;
};

}  // namespace lns
