#include "services/CRegistry.h"

#include "identity/PlugInIdentity.h"
#include "platform/Error.h"
#include "platform/ErrorNumbers.h"

namespace qvr {

namespace {

std::string SubkeyPath(const std::string& parent, const std::string& name) {
  return parent.empty() ? name : parent + "\\" + name;
}

}  // namespace

CRegistry::CRegistry(runtime::ErrObject& err, reg::MachineRegistry& registry)
    : err_(err), registry_(registry) {}

std::unique_ptr<reg::RegistryStore> CRegistry::OpenStore() {
  try {
    return registry_.Open();
  } catch (const platform::RaisedError&) {
    return nullptr;  // a store that cannot be opened behaves as a registry that refuses every call
  }
}

std::string CRegistry::FindFirstMachineKey(const std::string& sSection) {
  auto store = OpenStore();
  if (!store || !store->KeyExists(reg::Hive::LocalMachine, sSection)) {
    hEnumKey.reset();
    return "";
  }
  hEnumKey = sSection;
  lEnumIndex = 0;
  return GetNextMachineKey();
}

std::string CRegistry::GetNextMachineKey() {
  std::string name;
  if (hEnumKey) {
    auto store = OpenStore();
    if (!store || store->EnumKey(reg::Hive::LocalMachine, *hEnumKey, static_cast<std::uint32_t>(lEnumIndex),
                                 name) != reg::Status::Ok) {
      name.clear();
    }
  }
  ++lEnumIndex;
  return name;
}

std::string CRegistry::AppSetting(const std::string& sSection, const std::string& sKey) {
  return QueryStringValue(reg::Hive::CurrentUser, kAppSettingsKey + sSection, sKey);
}

void CRegistry::AppSetting(const std::string& sSection, const std::string& sKey,
                           const std::string& sSetting) {
  if (!SetStringValue(reg::Hive::CurrentUser, kAppSettingsKey + sSection, sKey, sSetting)) SetWriteRefused();
}

std::string CRegistry::MachineSetting(const std::string& sSection, const std::string& sKey) {
  return QueryStringValue(reg::Hive::LocalMachine, sSection, sKey);
}

void CRegistry::MachineSetting(const std::string& sSection, const std::string& sKey,
                               const std::string& sSetting) {
  if (!SetStringValue(reg::Hive::LocalMachine, sSection, sKey, sSetting)) SetWriteRefused();
}

bool CRegistry::DeleteMachineKey(const std::string& sKey) {
  auto store = OpenStore();
  if (!store) return false;
  const reg::Status status = DeleteKeyTree(*store, KeyHandle{reg::Hive::LocalMachine, ""}, sKey);
  if (status == reg::Status::StoreFailed) SetWriteRefused(store->LastError());
  return status == reg::Status::Ok;
}

std::string CRegistry::Werte(const std::string& sSection, const std::string& sKey) {
  return QueryStringValue(reg::Hive::CurrentUser, sSection, sKey);
}

// Read by the rule every program reads the registry with (reg::ReadText).
std::string CRegistry::QueryStringValue(reg::Hive hive, const std::string& keyPath,
                                        const std::string& valueName) {
  auto store = OpenStore();
  return store ? reg::ReadText(*store, hive, keyPath, valueName).value_or("") : "";
}

bool CRegistry::SetStringValue(reg::Hive hive, const std::string& keyPath, const std::string& valueName,
                               const std::string& value) {
  auto store = OpenStore();
  return store && store->SetValue(hive, keyPath, valueName, reg::RegValue{reg::ValueType::Sz, value}, true) ==
                      reg::Status::Ok;
}

void CRegistry::SetWriteRefused(const std::string& reason) {
  err_.Number = platform::kErrRegistryWriteRefused;
  err_.Source = kProjectName;
  err_.Description = reason;
}

// Ok when the key is gone; NotFound when it was not there; StoreFailed when the store could not read or
// delete it (LastError tells why).
reg::Status CRegistry::DeleteKeyTree(reg::RegistryStore& store, const KeyHandle& parent,
                                     const std::string& keyName) {
  const KeyHandle key{parent.hive, SubkeyPath(parent.path, keyName)};
  const reg::Status status = store.DeleteKey(key.hive, key.path);
  if (status != reg::Status::HasSubkeys) return status;
  // Always subkey 0: each one deleted moves the next one to the front.
  std::string subkey;
  reg::Status listed = reg::Status::Ok;
  while ((listed = store.EnumKey(key.hive, key.path, 0, subkey)) == reg::Status::Ok) {
    // One that went meanwhile is gone all the same.
    const reg::Status below = DeleteKeyTree(store, key, subkey);
    if (below != reg::Status::Ok && below != reg::Status::NotFound) return below;
  }
  if (listed == reg::Status::StoreFailed) return listed;
  return store.DeleteKey(key.hive, key.path);
}

}  // namespace qvr
