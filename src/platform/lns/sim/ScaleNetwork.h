#pragma once

#include <filesystem>
#include <string_view>

namespace lns {

class LnsObjectServer;

// Devices per subsystem of a scale network.
constexpr long kScaleDevicesPerSubsystem = 100;

// Creates a network of `deviceCount` devices for scale tests: the four models' templates (imported from
// <interfaceFolder>/<model>.xif), the devices taking the models in turn, kScaleDevicesPerSubsystem to a
// top-level subsystem ("Area 1", "Area 2", ...), named "Device 1", "Device 2", ..., all commissioned and
// online. The server must be open. Throws LnsError (kLnsAlreadyExists) when the name is taken.
void CreateScaleNetwork(LnsObjectServer& server, std::string_view name, long deviceCount,
                        const std::filesystem::path& interfaceFolder);

}  // namespace lns
