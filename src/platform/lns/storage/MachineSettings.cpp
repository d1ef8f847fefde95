#include "platform/lns/storage/MachineSettings.h"

#include "platform/MachineRoot.h"
#include "platform/registry/MachineSetup.h"
#include "platform/registry/RegistryStore.h"

namespace lns {

MachineSettings ReadMachineSettings(const std::filesystem::path& machineRoot) {
  MachineSettings settings{machineRoot / "LonWorks", {}};
  reg::RegistryStore store(reg::RegistryStore::FileIn(machineRoot));
  if (auto path = reg::ReadText(store, reg::Hive::LocalMachine, "SOFTWARE\\LonWorks", "LonWorks Path");
      path && !path->empty()) {
    settings.lonWorksFolder = platform::MapFilePath(machineRoot, *path);
  }
  settings.decimalSeparator = reg::DecimalSeparatorFrom(
      reg::ReadText(store, reg::Hive::CurrentUser, reg::kInternationalKey, reg::kDecimalSeparatorValue)
          .value_or(""));
  return settings;
}

}  // namespace lns
