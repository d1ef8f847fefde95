#pragma once

#include <filesystem>
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
  LnsSystem system;                       // open, in a transaction that the filler commits
  std::vector<LnsDeviceTemplate> models;  // in the order of kModelNames
};

// Adds the network `name` to the open server, opens it and its system, starts a transaction and imports
// the four models' templates from <interfaceFolder>/<model>.xif. Throws LnsError (kLnsAlreadyExists) when
// the name is taken.
ModelNetwork StartModelNetwork(LnsObjectServer& server, std::string_view name,
                               const std::filesystem::path& interfaceFolder);

}  // namespace lns
