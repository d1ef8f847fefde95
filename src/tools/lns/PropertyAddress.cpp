#include "tools/lns/PropertyAddress.h"

#include "tools/lns/WholeNumber.h"

#include <limits>

namespace lnstool {

namespace {

// "scope:index" at the end of every form.
bool ParseScopeAndIndex(std::string_view text, PropertyAddress& address) {
  std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) return false;
  auto scope = ParseWholeNumber(text.substr(0, colon));
  auto index = ParseWholeNumber(text.substr(colon + 1));
  if (!scope || !index) return false;
  address.scope = *scope;
  address.typeIndex = *index;
  return true;
}

std::string Text(const PropertyAddress& address) {
  std::string owner =
      address.form == 'C' ? "" : std::string(1, address.form) + ":" + std::to_string(address.number) + "/";
  return owner + "C:" + std::to_string(address.scope) + ":" + std::to_string(address.typeIndex);
}

}  // namespace

std::optional<PropertyAddress> ParsePropertyAddress(std::string_view text) {
  PropertyAddress address;
  if (text.size() < 2 || text[1] != ':') return std::nullopt;
  address.form = text[0];
  std::string_view rest = text.substr(2);
  if (address.form == 'F' || address.form == 'N') {
    std::size_t slash = rest.find("/C:");
    if (slash == std::string_view::npos) return std::nullopt;
    auto number = ParseWholeNumber(rest.substr(0, slash));
    if (!number || *number > std::numeric_limits<int>::max()) return std::nullopt;
    address.number = *number;
    rest = rest.substr(slash + 3);
  } else if (address.form != 'C') {
    return std::nullopt;
  }
  if (!ParseScopeAndIndex(rest, address)) return std::nullopt;
  return address;
}

lns::LnsConfigProperty ResolvePropertyAddress(const lns::LnsAppDevice& device,
                                              const PropertyAddress& address) {
  lns::LnsInterface deviceInterface = device.GetInterface();
  auto properties = [&]() -> lns::LnsConfigProperties {
    if (address.form == 'F') {
      lns::LnsLonMarkObjects blocks = deviceInterface.GetLonMarkObjects();
      // Blocks count from 0 in an address, from 1 in the collection.
      if (address.number >= blocks.Count()) {
        throw lns::LnsError(lns::kLnsNotFound,
                            device.GetName() + " has no block " + std::to_string(address.number) +
                                " (it has F:0 to F:" + std::to_string(blocks.Count() - 1) + ")");
      }
      return blocks.Item(address.number + 1).GetConfigProperties();
    }
    if (address.form == 'N') {
      return deviceInterface.GetNetworkVariables()
          .ItemByIndex(static_cast<int>(address.number))
          .GetConfigProperties();
    }
    return deviceInterface.GetConfigProperties();
  }();
  for (long position = 1; position <= properties.Count(); ++position) {
    lns::LnsConfigProperty property = properties.Item(position);
    if (property.GetResourceScope() == address.scope && property.GetTypeIndex() == address.typeIndex)
      return property;
  }
  throw lns::LnsError(lns::kLnsNotFound,
                      device.GetName() + " has no configuration property at " + Text(address));
}

}  // namespace lnstool
