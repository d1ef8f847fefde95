#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lns {

// Device state codes as the Object Server reports them.
enum DeviceState : long {
  kStateUnconfigured = 2,
  kStateApplicationless = 3,
  kStateConfiguredOnline = 4,
  kStateConfiguredOffline = 6,
  kStateSoftOffline = 12,
  kStateConfiguredBypass = 140,
};

// Network modes of a system: on-net (devices are reached) and off-net (the database alone is worked on).
enum NetworkMode : long { kNetworkModeOnNet = 0, kNetworkModeOffNet = 1 };

// "Unconfigured", "App'less", "Cnfg Online", "Cnfg Offline", "Soft Offline", "Cnfg Bypass"; "?" for others.
std::string DeviceStateName(long state);

// A state from its code ("4") or its name ("Cnfg Online", any letter case); nothing when it is neither.
std::optional<long> ParseDeviceState(std::string_view text);

}  // namespace lns
