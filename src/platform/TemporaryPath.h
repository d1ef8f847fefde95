#pragma once

#include <filesystem>

namespace platform {

// A name next to `target` for a file that is written whole and then renamed onto it. Unique to this call in
// every process, so that two writers of one target never write or rename each other's file, and within the
// file system's limit on a name whatever the target's length.
std::filesystem::path TemporaryPathFor(const std::filesystem::path& target);

}  // namespace platform
