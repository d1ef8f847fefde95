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
  return store && DeleteKeyTree(*store, KeyHandle{reg::Hive::LocalMachine, ""}, sKey);
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

void CRegistry::SetWriteRefused() {
  err_.Number = platform::kErrRegistryWriteRefused;
  err_.Source = kProjectName;
  err_.Description = "Application-defined or object-defined error";
}

bool CRegistry::DeleteKeyTree(reg::RegistryStore& store, const KeyHandle& parent,
                              const std::string& keyName) {
  const KeyHandle key{parent.hive, SubkeyPath(parent.path, keyName)};
  if (store.DeleteKey(key.hive, key.path) == reg::Status::Ok) return true;
  if (!store.KeyExists(key.hive, key.path)) return false;
  // Always subkey 0: each one deleted moves the next one to the front.
  std::string subkey;
  while (store.EnumKey(key.hive, key.path, 0, subkey) == reg::Status::Ok) {
    if (!DeleteKeyTree(store, key, subkey)) break;
  }
  return store.DeleteKey(key.hive, key.path) == reg::Status::Ok;
}

}  // namespace qvr
