#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace lns {

class NetworkState;
struct TemplateInterface;

// What every handle below an interface holds: the open network, the device (0 for a device template's own
// interface), its template and the template's interface.
struct InterfaceRef {
  std::shared_ptr<NetworkState> network;
  std::int64_t deviceId = 0;
  std::int64_t templateId = 0;
  std::shared_ptr<const TemplateInterface> interface;

  bool OfDevice() const { return deviceId != 0; }
  // Who has the interface, for messages: the device's name, or "the device template ...".
  std::string OwnerLabel() const;
};

}  // namespace lns
