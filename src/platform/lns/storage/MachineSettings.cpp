#include "platform/lns/storage/MachineSettings.h"

#include "platform/MachineRoot.h"
#include "platform/registry/RegistryStore.h"

namespace lns {

MachineSettings ReadMachineSettings(const std::filesystem::path& machineRoot) {
  MachineSettings settings{machineRoot / "LonWorks", "."};
  reg::RegistryStore store(reg::RegistryStore::FileIn(machineRoot));
  if (auto path = reg::ReadText(store, reg::Hive::LocalMachine, "SOFTWARE\\LonWorks", "LonWorks Path");
      path && !path->empty()) {
    settings.lonWorksFolder = platform::MapFilePath(machineRoot, *path);
  }
  if (auto separator =
          reg::ReadText(store, reg::Hive::CurrentUser, "Control Panel\\International", "sDecimal");
      separator && !separator->empty()) {
    settings.decimalSeparator = *separator;
  }
  return settings;
}

}  // namespace lns
