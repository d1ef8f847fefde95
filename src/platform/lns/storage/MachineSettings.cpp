#include "platform/lns/storage/MachineSettings.h"

#include "platform/MachineRoot.h"
#include "platform/registry/MachineSetup.h"
#include "platform/registry/RegistryStore.h"

namespace lns {

MachineSettings ReadMachineSettings(const std::filesystem::path& machineRoot) {
  MachineSettings settings{machineRoot / "LonWorks", "."};
  reg::RegistryStore store(reg::RegistryStore::FileIn(machineRoot));
  if (auto path = reg::ReadText(store, reg::Hive::LocalMachine, reg::kLonWorksKey, reg::kLonWorksPathValue);
      path && !path->empty()) {
    settings.lonWorksFolder = platform::MapFilePath(machineRoot, *path);
  }
  if (auto separator =
          reg::ReadText(store, reg::Hive::CurrentUser, reg::kInternationalKey, reg::kDecimalSeparatorValue);
      separator && !separator->empty()) {
    settings.decimalSeparator = *separator;
  }
  return settings;
}

}  // namespace lns
