#pragma once

#include <filesystem>
#include <memory>

#include "platform/registry/RegistryStore.h"
#include "platform/registry/StoreFile.h"

namespace reg {

// The registry store of one machine root, for a program that uses it again and again: every store it opens
// shares the one connection it keeps while it lives.
class MachineRegistry {
 public:
  explicit MachineRegistry(std::filesystem::path machineRoot);

  const std::filesystem::path& Root() const { return root_; }

  // The machine root's store. Throws platform::RaisedError when it cannot be opened.
  std::unique_ptr<RegistryStore> Open();

 private:
  std::filesystem::path root_;
  StoreKeeper keeper_;
};

}  // namespace reg
