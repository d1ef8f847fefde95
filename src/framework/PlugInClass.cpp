#include "framework/PlugInClass.h"

#include "framework/PlugInIdentity.h"
#include "platform/Error.h"
#include "platform/MachineRoot.h"
#include "platform/com/ClassRegistration.h"

namespace qvr {

namespace {

constexpr long kPathFileAccessError = 75;

const com::LocalServerClass& PlugInClass() {
  static const com::LocalServerClass cls{kProgId, kClassId};
  return cls;
}

template <class Change>
void ChangeClassKeys(const char* what, Change&& change) {
  reg::RegistryStore store(reg::RegistryStore::FileIn(platform::MachineRoot()));
  if (change(store) != reg::Status::Ok) {
    throw platform::RaisedError(
        kPathFileAccessError, kProjectName,
        std::string("Cannot ") + what + " the class " + kProgId + " in the registry: " + store.LastError());
  }
}

}  // namespace

void RegisterPlugInClass(const std::filesystem::path& programFile) {
  ChangeClassKeys("register", [&](reg::RegistryStore& store) {
    return com::RegisterLocalServer(store, PlugInClass(), programFile);
  });
}

void UnregisterPlugInClass() {
  ChangeClassKeys("unregister",
                  [](reg::RegistryStore& store) { return com::UnregisterLocalServer(store, PlugInClass()); });
}

}  // namespace qvr
