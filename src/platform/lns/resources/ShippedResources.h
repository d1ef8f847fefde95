#pragma once

#include <filesystem>

namespace lns {

// Installs what the project ships (the folder `data`, as platform::DataDir() finds it) into a LonWorks
// folder: the maker's resource set (data/resources/Calyxtern) into Types/User/Calyxtern, and each model's
// device interface file (data/interfaces/<model>.xif) as Import/Calyxtern/<model>/<model>.xif, and the
// plug-in's own documents (data/program: device descriptions, readme files, the links' cursor) into its
// program folder. Files already there are replaced; each file is written under a temporary name and renamed
// into place. The resource catalogue is not touched: the plug-in's registration adds the folder to it. Throws
// LnsError (kLnsNotFound) when the shipped files are missing, std::filesystem::filesystem_error when a file
// cannot be written.
void InstallShippedResources(const std::filesystem::path& data, const std::filesystem::path& lonWorksFolder);

// The plug-in's program folder in a LonWorks folder, PlugIns/Calyxtern/qvr_lon: where its documents lie
// and where the user's parameter files are offered first.
std::filesystem::path PlugInProgramFolder(const std::filesystem::path& lonWorksFolder);

}  // namespace lns
