#pragma once

#include "platform/Error.h"
#include "platform/com/ClassRegistration.h"
#include "platform/registry/MachineRegistry.h"

#include <filesystem>

namespace qvr {

// The plug-in's COM class: its ProgID and class id.
const com::LocalServerClass& PlugInComClass();

// The COM class LNSPlugInAPI in the registry store of `registry`'s machine root, served by `programFile`
// (started with "-Embedding"). Raises a platform::RaisedError when the store cannot be opened or written.
void RegisterPlugInClass(reg::MachineRegistry& registry, const std::filesystem::path& programFile);
// Removes the class's keys; keys that are gone already are no failure. Raises like RegisterPlugInClass.
void UnregisterPlugInClass(reg::MachineRegistry& registry);

}  // namespace qvr
