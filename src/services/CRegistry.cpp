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
  return StripNull(name);
}

std::string CRegistry::AppSetting(const std::string& sSection, const std::string& sKey) {
  std::string value;
  return QueryStringValue(reg::Hive::CurrentUser, kAppSettingsKey + sSection, sKey, value) ? value : "";
}

void CRegistry::AppSetting(const std::string& sSection, const std::string& sKey,
                           const std::string& sSetting) {
  if (!SetStringValue(reg::Hive::CurrentUser, kAppSettingsKey + sSection, sKey, sSetting)) SetWriteRefused();
}

std::string CRegistry::MachineSetting(const std::string& sSection, const std::string& sKey) {
  std::string value;
  return QueryStringValue(reg::Hive::LocalMachine, sSection, sKey, value) ? value : "";
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
  std::string value;
  return QueryStringValue(reg::Hive::CurrentUser, sSection, sKey, value) ? value : "";
}

bool CRegistry::QueryStringValue(reg::Hive hive, const std::string& keyPath, const std::string& valueName,
                                 std::string& value) {
  auto store = OpenStore();
  reg::RegValue stored;
  if (!store || store->QueryValue(hive, keyPath, valueName, stored) != reg::Status::Ok) return false;
  if (stored.data.empty()) return false;
  // A value of another type is found but its data is never read as text.
  value = stored.type == reg::ValueType::Sz ? StripNull(stored.data) : std::string();
  return true;
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
    if (!DeleteKeyTree(store, key, StripNull(subkey))) break;
  }
  return store.DeleteKey(key.hive, key.path) == reg::Status::Ok;
}

std::string CRegistry::StripNull(const std::string& text) {
  return text.substr(0, text.find('\0'));
}

}  // namespace qvr
