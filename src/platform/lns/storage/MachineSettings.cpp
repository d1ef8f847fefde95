#include "platform/lns/storage/MachineSettings.h"

#include "platform/registry/MachineSetup.h"
#include "platform/registry/RegistryStore.h"

namespace lns {

MachineSettings ReadMachineSettings(const std::filesystem::path& machineRoot) {
  reg::RegistryStore store(reg::RegistryStore::FileIn(machineRoot));
  MachineSettings settings{reg::LonWorksFolder(store, machineRoot), {}};
  settings.decimalSeparator = reg::DecimalSeparatorFrom(
      reg::ReadText(store, reg::Hive::CurrentUser, reg::kInternationalKey, reg::kDecimalSeparatorValue)
          .value_or(""));
  return settings;
}

}  // namespace lns
