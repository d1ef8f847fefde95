#pragma once

#include <filesystem>
#include <vector>

#include "platform/lns/LnsDeviceTemplate.h"

namespace lns {

// Adds one device template per interface file (*.xif) of `interfaceFolder` to the system, named after the
// file's model and imported from it, and gives them in the order of their program IDs (for the four
// models of data/interfaces: qvrl105, qvrl206, qvrl106, qvrl207). The interface files are the one source
// of the models a simulated network knows. Throws LnsError for a file that cannot be read.
std::vector<LnsDeviceTemplate> ImportModelTemplates(LnsDeviceTemplates& templates,
                                                    const std::filesystem::path& interfaceFolder);

}  // namespace lns
