#include "platform/lns/LnsNamedObject.h"

#include "platform/lns/LnsCollection.h"

namespace lns {

LnsNamedObject LnsNamedObjects::Item(long position) const {
  CheckPosition(position, names_.size(), "the " + kind_ + "s of " + owner_);
  return LnsNamedObject(names_[static_cast<std::size_t>(position - 1)]);
}

LnsNamedObject LnsNamedObjects::Item(std::string_view name) const {
  for (const std::string& candidate : names_) {
    if (SameName(candidate, name)) return LnsNamedObject(candidate);
  }
  ThrowNoItemNamed(owner_, kind_, name);
}

}  // namespace lns
