#pragma once

#include <filesystem>
#include <string_view>

namespace qvr {

// A file in the program's own folder, where its documents and cursor lie: the folder of the files the
// project ships (platform::DataDir(), $QVR_DATA_DIR when set). `relative` is in the system's spelling,
// usually with a leading backslash ("\Dokumentation\qvrl207.pdf"); an empty one names the folder itself.
std::filesystem::path ProgramFolderFile(std::string_view relative);

}  // namespace qvr
