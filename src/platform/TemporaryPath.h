#pragma once

#include <filesystem>
#include <vector>

namespace platform {

// A name next to `target` for a file that is written whole and then renamed onto it. Unique to this call in
// every process, so that two writers of one target never write or rename each other's file, and within the
// file system's limit on a name whatever the target's length.
std::filesystem::path TemporaryPathFor(const std::filesystem::path& target);

// The files beside `target` that TemporaryPathFor named for processes that no longer run: what a writer
// killed in the middle of its save left behind. Those of running processes are not among them.
std::vector<std::filesystem::path> LeftTemporaries(const std::filesystem::path& target);

}  // namespace platform
