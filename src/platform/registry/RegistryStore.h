#pragma once

#include "platform/Error.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace sqlite {
class Database;
}  // namespace sqlite

namespace reg {

class StoreKeeper;

enum class Hive { LocalMachine, CurrentUser };

// Value types with the Windows numbers.
enum class ValueType : std::uint32_t { None = 0, Sz = 1, ExpandSz = 2, Binary = 3, Dword = 4 };

struct RegValue {
  ValueType type = ValueType::Sz;
  std::string data;  // texts as they are (may hold NUL characters); a DWORD as its decimal text
};

enum class Status {
  Ok,
  NotFound,      // key or value missing
  HasSubkeys,    // a key with subkeys cannot be deleted
  InvalidName,   // empty key path, a path with an empty part, a key name with NUL or over 255 characters
  InvalidValue,  // a DWORD whose text is not a number from 0 to 4294967295
  StoreFailed,   // the store cannot be read or written (read-only file, full disk, ...); see LastError()
};

// The registry hives HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER in one SQLite file. Key paths use
// backslashes and are matched without regard to letter case, but kept as first written. Each key has
// named values; the empty name is its default value. Every write is one transaction, and several
// processes may use one file at once.
class RegistryStore {
 public:
  // Opens (creating when missing) the store file; its folder must exist. A file that has no write
  // permission is opened for reading only, and every write then gives StoreFailed. Throws
  // platform::RaisedError when the file cannot be opened or is no registry store.
  explicit RegistryStore(const std::filesystem::path& file);
  // The same on the connection that `keeper` keeps.
  RegistryStore(const std::filesystem::path& file, StoreKeeper& keeper);
  ~RegistryStore();
  RegistryStore(const RegistryStore&) = delete;
  RegistryStore& operator=(const RegistryStore&) = delete;

  // The store of the machine root: <root>/registry.sqlite.
  static std::filesystem::path FileIn(const std::filesystem::path& machineRoot);

  bool KeyExists(Hive hive, std::string_view key);
  // Creates the key and every missing key above it; Ok when it already exists.
  Status CreateKey(Hive hive, std::string_view key);
  Status QueryValue(Hive hive, std::string_view key, std::string_view name, RegValue& value);
  // Writes a value of an existing key (NotFound when the key is missing), or, with createKey, creates the
  // key path first, all in one transaction.
  Status SetValue(Hive hive, std::string_view key, std::string_view name, const RegValue& value,
                  bool createKey = false);
  // Creates the key path and writes the value only when the key has no value of that name yet; Ok either
  // way. Check and write are one transaction, so a value that another process writes is never replaced.
  Status AddValueIfMissing(Hive hive, std::string_view key, std::string_view name, const RegValue& value);
  Status DeleteValue(Hive hive, std::string_view key, std::string_view name);
  // Deletes a key that has no subkeys (HasSubkeys otherwise) with its values.
  Status DeleteKey(Hive hive, std::string_view key);
  // Name (as first written) of subkey number `index` (from 0, alphabetical without regard to letter case);
  // NotFound past the end and for a missing key.
  Status EnumKey(Hive hive, std::string_view key, std::uint32_t index, std::string& name);

  // Why the last StoreFailed happened.
  const std::string& LastError() const;

 private:
  RegistryStore(const std::filesystem::path& file,
                const std::function<std::shared_ptr<sqlite::Database>()>& connect);

  class Impl;
  std::unique_ptr<Impl> impl_;
};

// The one rule by which every program reads a value as text: a REG_SZ or REG_EXPAND_SZ value gives its
// data up to its first NUL character (the whole data when it has none), as Windows' readers give a string
// up to its terminating zero; a REG_EXPAND_SZ text is not expanded. A missing key or value, or a value of
// another type, gives nothing.
std::optional<std::string> ReadText(RegistryStore& store, Hive hive, std::string_view key,
                                    std::string_view name);

}  // namespace reg
