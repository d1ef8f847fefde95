#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace lns {

// What the Object Server takes from the machine when it opens.
struct MachineSettings {
  std::filesystem::path lonWorksFolder;  // reg::LonWorksFolder
  std::string decimalSeparator;  // HKCU\Control Panel\International "sDecimal"; "," when unset or empty
};

MachineSettings ReadMachineSettings(const std::filesystem::path& machineRoot);

}  // namespace lns
