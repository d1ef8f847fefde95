#pragma once

#include "platform/Error.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace reg {

// Where the system finds the LonWorks folder and the user's decimal separator.
inline constexpr std::string_view kLonWorksKey = "SOFTWARE\\LonWorks";
inline constexpr std::string_view kLonWorksPathValue = "LonWorks Path";
inline constexpr std::string_view kInternationalKey = "Control Panel\\International";
inline constexpr std::string_view kDecimalSeparatorValue = "sDecimal";

// The decimal separator that sDecimal's text `stored` gives, the same for every reader: "," when the value
// is missing or empty.
inline std::string DecimalSeparatorFrom(std::string_view stored) {
  return stored.empty() ? std::string(",") : std::string(stored);
}

// The "LonWorks Path" of a new machine root: a Windows path, which every reader maps into the root it
// reads, so that a copied or moved root is whole by itself and never writes into the one it came from.
inline constexpr std::string_view kLonWorksPathInRoot = "C:\\LonWorks";

class RegistryStore;

// The LonWorks folder of a new machine root (absolute): where kLonWorksPathInRoot leads.
std::filesystem::path LonWorksFolderIn(const std::filesystem::path& machineRoot);

// The LonWorks folder of a machine root, decided here for every part of the system that uses it (the
// Object Server's databases, the catalogue's types, the program's folder, the parameter files):
// `lonWorksPath`, the "LonWorks Path" value, mapped onto the file system as platform::MapFilePath maps it,
// or LonWorksFolderIn when the value is empty or missing. Always absolute.
std::filesystem::path LonWorksFolder(const std::filesystem::path& machineRoot, std::string_view lonWorksPath);
// The same with the value as `store` holds it now.
std::filesystem::path LonWorksFolder(RegistryStore& store, const std::filesystem::path& machineRoot);

// Creates a machine root, or completes one: the folder itself, the registry store with
// HKLM\SOFTWARE\LonWorks "LonWorks Path" (kLonWorksPathInRoot) and HKCU\Control Panel\International
// "sDecimal" (the user's decimal point), and the LonWorks folder that the store then names, with Types,
// Import and PlugIns. A value that is already there is kept. Returns the LonWorks folder. Throws
// platform::RaisedError when a folder or the store cannot be written.
std::filesystem::path InitMachineRoot(const std::filesystem::path& root);

}  // namespace reg
