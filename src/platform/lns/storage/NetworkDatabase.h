#pragma once

#include <filesystem>
#include <memory>
#include <string_view>

#include "platform/sqlite/Database.h"

namespace lns {

// The database of one network: its system, subsystems, device templates with their interfaces, devices with
// their states, faults and values, LonMark-object modes and component applications.
//
// Creates the database file with its tables; `systemName` names the network's one system.
void CreateNetworkDatabase(const std::filesystem::path& file, std::string_view systemName);

// Opens an existing network database; throws LnsError (kLnsDatabase) when the file is missing or is not a
// network database of this version.
std::unique_ptr<sqlite::Database> OpenNetworkDatabase(const std::filesystem::path& file);

}  // namespace lns
