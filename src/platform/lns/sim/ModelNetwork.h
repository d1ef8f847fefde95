#pragma once

#include <filesystem>
#include <functional>
#include <string_view>
#include <vector>

#include "platform/lns/LnsDeviceTemplate.h"
#include "platform/lns/LnsNetwork.h"
#include "platform/lns/LnsSystem.h"

namespace lns {

class LnsObjectServer;

// A new network that is being filled with devices of the four models.
struct ModelNetwork {
  LnsNetwork network;
  LnsSystem system;                       // open, in a transaction that CreateModelNetwork commits
  std::vector<LnsDeviceTemplate> models;  // in the order of their program IDs
};

// Adds the network `name` to the open server with the four models' templates imported from
// <interfaceFolder>/<model>.xif, lets `addDevices` fill it, and commits it all at once: the network appears
// whole or not at all. Throws LnsError (kLnsAlreadyExists) when the name is taken.
void CreateModelNetwork(LnsObjectServer& server, std::string_view name,
                        const std::filesystem::path& interfaceFolder,
                        const std::function<void(ModelNetwork&)>& addDevices);

}  // namespace lns
