#include "platform/lns/DeviceStates.h"

#include <charconv>
#include <utility>

#include "platform/lns/LnsCollection.h"

namespace lns {

namespace {

const std::pair<long, const char*> kStates[] = {
    {kStateUnconfigured, "Unconfigured"},    {kStateApplicationless, "App'less"},
    {kStateConfiguredOnline, "Cnfg Online"}, {kStateConfiguredOffline, "Cnfg Offline"},
    {kStateSoftOffline, "Soft Offline"},     {kStateConfiguredBypass, "Cnfg Bypass"},
};

}  // namespace

std::string DeviceStateName(long state) {
  for (const auto& [code, name] : kStates) {
    if (code == state) return name;
  }
  return "?";
}

std::optional<long> ParseDeviceState(std::string_view text) {
  for (const auto& [code, name] : kStates) {
    if (SameName(text, name)) return code;
  }
  long code = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), code);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  for (const auto& [known, name] : kStates) {
    if (known == code) return code;
  }
  return std::nullopt;
}

}  // namespace lns
