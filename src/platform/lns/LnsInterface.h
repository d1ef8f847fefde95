#pragma once

#include "platform/lns/InterfaceRef.h"

namespace lns {

class LnsConfigProperties;
class LnsLonMarkObjects;
class LnsNetworkVariables;

// The interface of a device, or of a device template (whose items hold no device values).
class LnsInterface {
 public:
  explicit LnsInterface(InterfaceRef ref) : ref_(std::move(ref)) {}

  LnsNetworkVariables GetNetworkVariables() const;
  // The device's own configuration properties (addressed "C:scope:index").
  LnsConfigProperties GetConfigProperties() const;
  LnsLonMarkObjects GetLonMarkObjects() const;

 private:
  InterfaceRef ref_;
};

}  // namespace lns
