#pragma once

#include <filesystem>

namespace lns {

// Installs what the project ships (platform::DataDir()) into a LonWorks folder: the maker's resource set
// (data/resources/Calyxtern) into Types/User/Calyxtern, and each model's device interface file
// (data/interfaces/<model>.xif) as Import/Calyxtern/<model>/<model>.xif. Files already there are replaced;
// each file is written under a temporary name and renamed into place. The resource catalogue is not
// touched: the plug-in's registration adds the folder to it. Throws LnsError (kLnsNotFound) when the shipped
// files are missing, std::filesystem::filesystem_error when a file cannot be written.
void InstallShippedResources(const std::filesystem::path& lonWorksFolder);

}  // namespace lns
