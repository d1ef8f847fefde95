#pragma once

#include <filesystem>
#include <vector>

#include "platform/lns/LnsDeviceTemplate.h"

namespace lns {

// The four models in order of their program IDs (…08 qvrl105, …09 qvrl206, …0A qvrl106, …0B qvrl207).
extern const char* const kModelNames[4];

// Adds one device template per model to the system, named after the model and imported from
// <interfaceFolder>/<model>.xif; the templates in the order of kModelNames.
std::vector<LnsDeviceTemplate> ImportModelTemplates(LnsDeviceTemplates& templates,
                                                    const std::filesystem::path& interfaceFolder);

}  // namespace lns
