#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/lns/LnsObjectModel.h"

namespace lnstool {

// A configuration-property address: "C:scope:index" (the device's own), "F:block/C:scope:index" (a LonMark
// object's) or "N:nv/C:scope:index" (a network variable's), numbers in plain decimal.
struct PropertyAddress {
  char form = 'C';  // 'C', 'F' or 'N'
  long number = 0;  // block or network-variable index
  long scope = 0;
  long typeIndex = 0;
};

// Nothing when the text is not an address.
std::optional<PropertyAddress> ParsePropertyAddress(std::string_view text);

// The first property of the addressed collection with that scope and type index (block n is LonMark object
// item n + 1). Throws LnsError (kLnsNotFound) when the device has no such block, variable or property.
lns::LnsConfigProperty ResolvePropertyAddress(const lns::LnsAppDevice& device,
                                              const PropertyAddress& address);

}  // namespace lnstool
