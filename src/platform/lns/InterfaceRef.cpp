#include "platform/lns/InterfaceRef.h"

#include "platform/lns/LnsDeviceTemplate.h"
#include "platform/lns/storage/DeviceRecord.h"
#include "platform/lns/storage/NetworkState.h"

namespace lns {

std::string InterfaceRef::OwnerLabel() const {
  if (OfDevice()) return LoadDevice(network->Database(), deviceId).name;
  return "the device template \"" + LnsDeviceTemplate(network, templateId).GetName() + "\"";
}

}  // namespace lns
