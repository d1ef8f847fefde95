#pragma once

#include <filesystem>
#include <string>

#include "platform/com/ClassRegistration.h"

namespace com {

// The bus name that serves a class: its ProgID ("Project.Class" is a valid bus name as it stands).
std::string BusNameOf(const LocalServerClass& cls);

// <serviceFolder>/<bus name>.service: lets the bus start the class's server (" -Embedding") on a
// director's first call.
std::filesystem::path ServiceFileOf(const std::filesystem::path& serviceFolder, const LocalServerClass& cls);

// Writes the service file, creating the folder; false when it cannot be written.
bool WriteServiceFile(const std::filesystem::path& serviceFolder, const LocalServerClass& cls,
                      const std::filesystem::path& serverProgram);
// Removes the service file; a missing one is no failure. False when it stays.
bool RemoveServiceFile(const std::filesystem::path& serviceFolder, const LocalServerClass& cls);

}  // namespace com
