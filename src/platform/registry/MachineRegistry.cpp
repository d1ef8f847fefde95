#include "platform/registry/MachineRegistry.h"

#include <utility>

namespace reg {

MachineRegistry::MachineRegistry(std::filesystem::path machineRoot) : root_(std::move(machineRoot)) {}

std::unique_ptr<RegistryStore> MachineRegistry::Open() {
  return std::make_unique<RegistryStore>(RegistryStore::FileIn(root_), keeper_);
}

}  // namespace reg
