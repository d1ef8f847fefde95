#pragma once

#include <filesystem>
#include <string_view>

namespace platform {

// Writes `content` to a file that the user named for an output (a snapshot, a printout): emptied and
// written in place, so that a device or a pipe serves as well ("--snapshot /dev/null"). False when it
// cannot be written. The files the system keeps are written through WriteFileWhole instead.
bool WriteOutputFile(const std::filesystem::path& file, std::string_view content);

}  // namespace platform
