#include "platform/lns/LnsInterface.h"

#include "platform/lns/LnsConfigProperty.h"
#include "platform/lns/LnsLonMarkObject.h"
#include "platform/lns/LnsNetworkVariable.h"
#include "platform/lns/storage/NetworkState.h"

namespace lns {

LnsNetworkVariables LnsInterface::GetNetworkVariables() const {
  ref_.network->Database();
  return LnsNetworkVariables(ref_);
}

LnsConfigProperties LnsInterface::GetConfigProperties() const {
  ref_.network->Database();
  return LnsConfigProperties(ref_, ref_.interface->PropertiesOf(CpOwner::Device, 0));
}

LnsLonMarkObjects LnsInterface::GetLonMarkObjects() const {
  ref_.network->Database();
  return LnsLonMarkObjects(ref_);
}

}  // namespace lns
