#include "platform/com/ClassRegistration.h"

namespace com {

namespace {

constexpr reg::Hive kHive = reg::Hive::LocalMachine;
constexpr const char* kClassesKey = "SOFTWARE\\Classes\\";

reg::Status WriteDefault(reg::RegistryStore& store, const std::string& key, const std::string& text) {
  return store.SetValue(kHive, key, "", reg::RegValue{reg::ValueType::Sz, text}, true);
}

// Deletes `key` and its subkeys, deepest first; a missing key is Ok.
reg::Status DeleteTree(reg::RegistryStore& store, const std::string& key) {
  std::string subkey;
  reg::Status status;
  while ((status = store.EnumKey(kHive, key, 0, subkey)) == reg::Status::Ok) {
    status = DeleteTree(store, key + "\\" + subkey);
    if (status != reg::Status::Ok) return status;
  }
  if (status != reg::Status::NotFound) return status;
  status = store.DeleteKey(kHive, key);
  return status == reg::Status::NotFound ? reg::Status::Ok : status;
}

}  // namespace

std::string ProgIdKey(const LocalServerClass& cls) {
  return kClassesKey + cls.progId;
}

std::string ClassIdKey(const LocalServerClass& cls) {
  return std::string(kClassesKey) + "CLSID\\" + cls.classId;
}

std::string LocalServerKey(const LocalServerClass& cls) {
  return ClassIdKey(cls) + "\\LocalServer32";
}

std::string LocalServerCommand(const std::filesystem::path& serverProgram) {
  const std::string path = serverProgram.string();
  const bool quote = path.find(' ') != std::string::npos;
  return (quote ? "\"" + path + "\"" : path) + " -Embedding";
}

reg::Status RegisterLocalServer(reg::RegistryStore& store, const LocalServerClass& cls,
                                const std::filesystem::path& serverProgram) {
  reg::Status status = WriteDefault(store, LocalServerKey(cls), LocalServerCommand(serverProgram));
  if (status != reg::Status::Ok) return status;
  status = WriteDefault(store, ProgIdKey(cls) + "\\CLSID", cls.classId);
  if (status != reg::Status::Ok) DeleteTree(store, ClassIdKey(cls));
  return status;
}

reg::Status UnregisterLocalServer(reg::RegistryStore& store, const LocalServerClass& cls) {
  // The ProgID goes first: a director never finds a ProgID whose class is half removed.
  const reg::Status status = DeleteTree(store, ProgIdKey(cls));
  if (status != reg::Status::Ok) return status;
  return DeleteTree(store, ClassIdKey(cls));
}

}  // namespace com
