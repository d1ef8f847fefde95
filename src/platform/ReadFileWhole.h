#pragma once

#include <filesystem>
#include <string>

namespace platform {

// The whole content of `file`; empty when it cannot be read (also for files of /proc, whose size is 0).
std::string ReadFileWhole(const std::filesystem::path& file);

}  // namespace platform
