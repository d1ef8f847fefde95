#include "framework/PlugInClass.h"

#include "identity/PlugInIdentity.h"
#include "platform/Error.h"
#include "platform/ErrorNumbers.h"
#include "platform/com/ClassRegistration.h"
#include "platform/com/PrivateBus.h"
#include "platform/com/ServiceFile.h"

namespace qvr {

namespace {

template <class Change>
void ChangeClassKeys(reg::MachineRegistry& registry, const char* what, Change&& change) {
  const std::unique_ptr<reg::RegistryStore> store = registry.Open();
  if (change(*store) != reg::Status::Ok) {
    throw platform::RaisedError(
        platform::kErrPathFileAccess, kProjectName,
        std::string("Cannot ") + what + " the class " + kProgId + " in the registry: " + store->LastError());
  }
}

void RaiseServiceFileFailure(const std::filesystem::path& serviceFolder, const char* what) {
  throw platform::RaisedError(platform::kErrPathFileAccess, kProjectName,
                              std::string("Cannot ") + what + " the bus service file " +
                                  com::ServiceFileOf(serviceFolder, PlugInComClass()).string());
}

}  // namespace

const com::LocalServerClass& PlugInComClass() {
  static const com::LocalServerClass cls{kProgId, kClassId};
  return cls;
}

void RegisterPlugInClass(reg::MachineRegistry& registry, const std::filesystem::path& programFile) {
  ChangeClassKeys(registry, "register", [&](reg::RegistryStore& store) {
    return com::RegisterLocalServer(store, PlugInComClass(), programFile);
  });
  // The machine root's bus starts the server for a director from this file.
  const std::filesystem::path serviceFolder = com::ServiceFolder(registry.Root());
  if (!com::WriteServiceFile(serviceFolder, PlugInComClass(), programFile))
    RaiseServiceFileFailure(serviceFolder, "write");
}

void UnregisterPlugInClass(reg::MachineRegistry& registry) {
  // The service file goes first: no director starts a server for a class that is half removed.
  const std::filesystem::path serviceFolder = com::ServiceFolder(registry.Root());
  if (!com::RemoveServiceFile(serviceFolder, PlugInComClass()))
    RaiseServiceFileFailure(serviceFolder, "remove");
  ChangeClassKeys(registry, "unregister", [](reg::RegistryStore& store) {
    return com::UnregisterLocalServer(store, PlugInComClass());
  });
}

}  // namespace qvr
