#pragma once

#include <filesystem>
#include <string_view>

namespace platform {

// The folder that stands for the Windows machine: registry store, LonWorks folder, server sockets.
// $LNS_ROOT, or ${XDG_DATA_HOME:-~/.local/share}/lns-machine when it is unset.
std::filesystem::path MachineRoot();

// Maps a path in the system's Windows spelling onto the file system. Backslashes become separators;
// a leading backslash (or a drive-less relative path) is taken relative to `base`; a drive letter
// ("C:\LonWorks") is dropped and the rest taken relative to `base` too. ".." never climbs above `base`.
std::filesystem::path MapWindowsPath(const std::filesystem::path& base, std::string_view windowsPath);

// The folder of the files the project ships (interface files, the maker's resource set, documents).
// $QVR_DATA_DIR when set, else the source tree's data/ folder.
std::filesystem::path DataDir();

}  // namespace platform
