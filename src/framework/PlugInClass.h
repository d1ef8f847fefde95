#pragma once

#include "platform/Error.h"

#include <filesystem>

namespace qvr {

// The COM class LNSPlugInAPI in the machine root's registry store, served by `programFile` (started with
// "-Embedding"). Raises a platform::RaisedError when the store cannot be opened or written.
void RegisterPlugInClass(const std::filesystem::path& programFile);
// Removes the class's keys; keys that are gone already are no failure. Raises like RegisterPlugInClass.
void UnregisterPlugInClass();

}  // namespace qvr
