#include "platform/registry/MachineSetup.h"

#include <system_error>

#include "platform/Error.h"
#include "platform/ErrorNumbers.h"
#include "platform/registry/RegistryStore.h"
#include "platform/registry/UserLocale.h"

namespace reg {

namespace {

void CreateFolder(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) {
    throw platform::RaisedError(platform::kErrFail, "InitMachineRoot",
                                "cannot create " + folder.string() + ": " + error.message());
  }
}

void AddText(RegistryStore& store, Hive hive, std::string_view key, std::string_view name, std::string text) {
  if (store.AddValueIfMissing(hive, key, name, RegValue{ValueType::Sz, std::move(text)}) != Status::Ok) {
    throw platform::RaisedError(platform::kErrFail, "InitMachineRoot", store.LastError());
  }
}

}  // namespace

std::filesystem::path LonWorksFolderIn(const std::filesystem::path& machineRoot) {
  return std::filesystem::absolute(machineRoot).lexically_normal() / "LonWorks";
}

void InitMachineRoot(const std::filesystem::path& root) {
  const std::filesystem::path lonWorks = LonWorksFolderIn(root);
  for (const char* folder : {"Types", "Import", "PlugIns"}) CreateFolder(lonWorks / folder);

  RegistryStore store(RegistryStore::FileIn(root));
  AddText(store, Hive::LocalMachine, kLonWorksKey, kLonWorksPathValue, std::string(kLonWorksPathInRoot));
  AddText(store, Hive::CurrentUser, kInternationalKey, kDecimalSeparatorValue, UserDecimalSeparator());
}

}  // namespace reg
