#include "platform/lns/MachineSettings.h"

#include <algorithm>

#include "platform/MachineRoot.h"
#include "platform/registry/RegistryStore.h"

namespace lns {

MachineSettings ReadMachineSettings(const std::filesystem::path& machineRoot) {
  MachineSettings settings{machineRoot / "LonWorks", "."};
  reg::RegistryStore store(reg::RegistryStore::FileIn(machineRoot));
  if (auto path = reg::ReadText(store, reg::Hive::LocalMachine, "SOFTWARE\\LonWorks", "LonWorks Path");
      path && !path->empty()) {
    settings.lonWorksFolder = MapFilePath(machineRoot, *path);
  }
  if (auto separator =
          reg::ReadText(store, reg::Hive::CurrentUser, "Control Panel\\International", "sDecimal");
      separator && !separator->empty()) {
    settings.decimalSeparator = *separator;
  }
  return settings;
}

std::filesystem::path MapFilePath(const std::filesystem::path& machineRoot, std::string_view path) {
  if (!path.empty() && path.front() == '/') {
    // A client appends Windows-style parts ("\Import\...") to a folder it read from the registry.
    std::string posixPath(path);
    std::replace(posixPath.begin(), posixPath.end(), '\\', '/');
    return std::filesystem::path(posixPath).lexically_normal();
  }
  return platform::MapWindowsPath(machineRoot, path);
}

}  // namespace lns
