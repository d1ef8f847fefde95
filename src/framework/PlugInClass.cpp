#include "framework/PlugInClass.h"

#include "framework/PlugInIdentity.h"
#include "platform/Error.h"
#include "platform/ErrorNumbers.h"
#include "platform/MachineRoot.h"
#include "platform/com/ClassRegistration.h"
#include "platform/com/PrivateBus.h"
#include "platform/com/ServiceFile.h"

namespace qvr {

namespace {

const com::LocalServerClass& PlugInClass() {
  static const com::LocalServerClass cls{kProgId, kClassId};
  return cls;
}

template <class Change>
void ChangeClassKeys(const char* what, Change&& change) {
  reg::RegistryStore store(reg::RegistryStore::FileIn(platform::MachineRoot()));
  if (change(store) != reg::Status::Ok) {
    throw platform::RaisedError(
        platform::kErrPathFileAccess, kProjectName,
        std::string("Cannot ") + what + " the class " + kProgId + " in the registry: " + store.LastError());
  }
}

std::filesystem::path ServiceFolder() {
  return com::ServiceFolder(platform::MachineRoot());
}

void RaiseServiceFileFailure(const char* what) {
  throw platform::RaisedError(platform::kErrPathFileAccess, kProjectName,
                              std::string("Cannot ") + what + " the bus service file " +
                                  com::ServiceFileOf(ServiceFolder(), PlugInClass()).string());
}

}  // namespace

void RegisterPlugInClass(const std::filesystem::path& programFile) {
  ChangeClassKeys("register", [&](reg::RegistryStore& store) {
    return com::RegisterLocalServer(store, PlugInClass(), programFile);
  });
  // The machine root's bus starts the server for a director from this file.
  if (!com::WriteServiceFile(ServiceFolder(), PlugInClass(), programFile)) RaiseServiceFileFailure("write");
}

void UnregisterPlugInClass() {
  // The service file goes first: no director starts a server for a class that is half removed.
  if (!com::RemoveServiceFile(ServiceFolder(), PlugInClass())) RaiseServiceFileFailure("remove");
  ChangeClassKeys("unregister",
                  [](reg::RegistryStore& store) { return com::UnregisterLocalServer(store, PlugInClass()); });
}

}  // namespace qvr
