#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/registry/MachineRegistry.h"
#include "platform/runtime/ErrObject.h"

namespace qvr {

// The system's way into the settings of the registry (the store of the machine root). A "section" is a key
// path, a "key" is the name of a value in it ("" is the key's default value). Values are written as REG_SZ
// texts and read by the one rule of every program (reg::ReadText: REG_SZ and REG_EXPAND_SZ, up to the first
// NUL character); a read gives "" when anything is missing.
// Every routine makes its own instance; each operation reads the store anew and caches nothing (the
// program's MachineRegistry keeps the store's connection open).
class CRegistry {
 public:
  // A refused write reports into `err` without raising.
  CRegistry(runtime::ErrObject& err, reg::MachineRegistry& registry);

  // Starts a walk over the subkeys of HKLM\sSection: the first subkey's name, "" when the key cannot be
  // opened or has none.
  std::string FindFirstMachineKey(const std::string& sSection);
  // The next subkey's name of that walk; "" at its end, and when no walk was started.
  std::string GetNextMachineKey();

  // Value sKey of HKCU\SOFTWARE\LonWorks\LCA\Applets\Calyxtern_qvr_lon_PlugIn\sSection.
  std::string AppSetting(const std::string& sSection, const std::string& sKey);
  void AppSetting(const std::string& sSection, const std::string& sKey, const std::string& sSetting);

  // Value sKey of HKLM\sSection; writing creates every missing key of the path.
  std::string MachineSetting(const std::string& sSection, const std::string& sKey);
  void MachineSetting(const std::string& sSection, const std::string& sKey, const std::string& sSetting);

  // Deletes HKLM\sKey with everything below it; true when the key is gone. A key that is not there gives
  // false; one that the store could not delete (a full disk, a read-only store) gives false and reports
  // the store's reason into the error object, since the key may still be there. The hive itself is never
  // deleted: an empty path gives false.
  bool DeleteMachineKey(const std::string& sKey);

  // Value sKey of HKCU\sSection.
  std::string Werte(const std::string& sSection, const std::string& sKey);

 private:
  // An open key as the store sees it: a hive and a path below it ("" stands for the hive itself).
  struct KeyHandle {
    reg::Hive hive;
    std::string path;
  };

  std::unique_ptr<reg::RegistryStore> OpenStore();
  std::string QueryStringValue(reg::Hive hive, const std::string& keyPath, const std::string& valueName);
  bool SetStringValue(reg::Hive hive, const std::string& keyPath, const std::string& valueName,
                      const std::string& value);
  void SetWriteRefused(const std::string& reason = "Application-defined or object-defined error");
  reg::Status DeleteKeyTree(reg::RegistryStore& store, const KeyHandle& parent, const std::string& keyName);

  runtime::ErrObject& err_;
  reg::MachineRegistry& registry_;
  std::optional<std::string> hEnumKey;  // the HKLM key path being walked; none before a walk
  std::int32_t lEnumIndex = 0;          // index of the next subkey to read
};

}  // namespace qvr
