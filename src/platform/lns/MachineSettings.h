#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace lns {

// What the Object Server takes from the machine when it opens.
struct MachineSettings {
  std::filesystem::path lonWorksFolder;  // HKLM\SOFTWARE\LonWorks "LonWorks Path"; <root>/LonWorks when unset
  std::string decimalSeparator;  // HKCU\Control Panel\International "sDecimal"; "." when unset or empty
};

MachineSettings ReadMachineSettings(const std::filesystem::path& machineRoot);

// A file name as the system passes it: an absolute path of this machine ("/...") is taken as it is, its
// backslashes read as separators; anything else is a Windows path mapped into the machine root
// ("C:\LonWorks\Import\x.xif").
std::filesystem::path MapFilePath(const std::filesystem::path& machineRoot, std::string_view path);

}  // namespace lns
