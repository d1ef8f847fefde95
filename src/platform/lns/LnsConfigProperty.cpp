#include "platform/lns/LnsConfigProperty.h"

#include "platform/lns/LnsCollection.h"
#include "platform/lns/sim/DeviceAccess.h"
#include "platform/lns/storage/NetworkState.h"

namespace lns {

std::string LnsConfigProperty::GetValue() const {
  return ReadConfigProperty(ref_, *cp_);
}

void LnsConfigProperty::PutValue(std::string_view text) {
  WriteConfigProperty(ref_, *cp_, text);
}

LnsConfigProperty LnsConfigProperties::Item(long position) const {
  // The owner's label takes a read of its own: it is made only for the error.
  if (position < 1 || static_cast<std::size_t>(position) > positions_.size()) {
    CheckPosition(position, positions_.size(), "these configuration properties of " + ref_.OwnerLabel());
  }
  ref_.network->Database();
  int at = positions_[static_cast<std::size_t>(position - 1)];
  return LnsConfigProperty(ref_, ref_.interface->configProperties[static_cast<std::size_t>(at)]);
}

}  // namespace lns
