#pragma once

#include <filesystem>
#include <string_view>

namespace qvr {

class Program;

// A file in the program's own folder, where `lns init` installs its documents and cursor: the LonWorks
// folder's PlugIns/Calyxtern/qvr_lon, the LonWorks folder being the one that the device command's settings
// name (reg::LonWorksFolder of the LonWorksFolder setting). `relative` is in the system's spelling, usually
// with a leading backslash ("\Dokumentation\qvrl207.pdf"); an empty one names the folder itself.
std::filesystem::path ProgramFolderFile(const Program& program, std::string_view relative);

}  // namespace qvr
