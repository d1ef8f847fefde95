#pragma once

#include <filesystem>
#include <string>

#include "platform/ui/DisplaySettings.h"

// What the programs take from their environment. Only the programs' main reads it (through these);
// everything below is handed the values.
namespace app {

// The variable's value; empty when it is unset.
std::string EnvironmentValue(const char* name);

// The machine root that the environment names (platform::MachineRoot).
std::filesystem::path MachineRootFromEnvironment();

// Where the windows can show.
ui::DisplaySettings DisplayFromEnvironment();

}  // namespace app
