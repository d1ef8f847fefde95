#include "platform/lns/storage/MachineSettings.h"

#include "platform/registry/MachineSetup.h"
#include "platform/registry/RegistryStore.h"

namespace lns {

MachineSettings ReadMachineSettings(const std::filesystem::path& machineRoot) {
  reg::RegistryStore store(reg::RegistryStore::FileIn(machineRoot));
  MachineSettings settings{reg::LonWorksFolder(store, machineRoot), "."};
  if (auto separator =
          reg::ReadText(store, reg::Hive::CurrentUser, reg::kInternationalKey, reg::kDecimalSeparatorValue);
      separator && !separator->empty()) {
    settings.decimalSeparator = *separator;
  }
  return settings;
}

}  // namespace lns
