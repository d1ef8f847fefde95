#include "platform/registry/RegistryStore.h"

#include <charconv>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/Error.h"
#include "platform/ErrorNumbers.h"
#include "platform/registry/KeyPath.h"
#include "platform/registry/StoreFile.h"
#include "platform/sqlite/Transaction.h"

namespace reg {

namespace {

using KeyNames = std::vector<std::string_view>;

std::string_view HiveName(Hive hive) {
  return hive == Hive::LocalMachine ? "HKLM" : "HKCU";
}

// The form a value is kept in: a DWORD as the plain decimal text of a 32-bit unsigned number.
std::optional<RegValue> StoredForm(const RegValue& value) {
  if (value.type != ValueType::Dword) return value;
  std::uint32_t number = 0;
  const char* end = value.data.data() + value.data.size();
  auto [stop, error] = std::from_chars(value.data.data(), end, number);
  if (value.data.empty() || error != std::errc() || stop != end) return std::nullopt;
  return RegValue{ValueType::Dword, std::to_string(number)};
}

}  // namespace

class RegistryStore::Impl {
 public:
  explicit Impl(std::shared_ptr<sqlite::Database> db) : db_(std::move(db)) {}

  sqlite::Database& Db() { return *db_; }

  // Runs one store operation; a SQLite failure becomes StoreFailed with its reason kept.
  template <typename Operation>
  Status Guarded(Operation&& operation) {
    try {
      return operation();
    } catch (const sqlite::Error& failure) {
      lastError_ = failure.what();
      return Status::StoreFailed;
    }
  }

  std::optional<std::int64_t> FindKey(Hive hive, std::string_view key) {
    auto query =
        Db().Query("SELECT id FROM keys WHERE hive = ?1 AND folded_path = ?2", HiveName(hive), FoldCase(key));
    if (!query.Step()) return std::nullopt;
    return query.Int(0);
  }

  // Creates every missing key of the path; the id of its last key.
  std::int64_t CreateKeyPath(Hive hive, const KeyNames& names) {
    std::int64_t parent = 0;
    std::string path;
    for (std::string_view name : names) {
      if (!path.empty()) path += '\\';
      path += name;
      if (auto existing = FindKey(hive, path)) {
        parent = *existing;
        continue;
      }
      Db().Run("INSERT INTO keys (hive, parent, name, folded_path) VALUES (?1, ?2, ?3, ?4)", HiveName(hive),
               parent, name, FoldCase(path));
      parent = Db().LastInsertId();
    }
    return parent;
  }

  // Writes the value; replacing an existing one of the same name keeps that name's first spelling.
  void WriteValue(std::int64_t keyId, std::string_view name, const RegValue& value, bool replace) {
    Db().Run(replace ? "INSERT INTO key_values (key_id, name, folded_name, type, data) "
                       "VALUES (?1, ?2, ?3, ?4, ?5) ON CONFLICT (key_id, folded_name) "
                       "DO UPDATE SET type = excluded.type, data = excluded.data"
                     : "INSERT INTO key_values (key_id, name, folded_name, type, data) "
                       "VALUES (?1, ?2, ?3, ?4, ?5) ON CONFLICT DO NOTHING",
             keyId, name, FoldCase(name), static_cast<std::int64_t>(value.type), sqlite::BytesOf(value.data));
  }

  Status Write(Hive hive, std::string_view key, std::string_view name, const RegValue& value, bool createKey,
               bool replace) {
    auto names = SplitKeyPath(key);
    if (!names) return Status::InvalidName;
    auto stored = StoredForm(value);
    if (!stored) return Status::InvalidValue;
    return Guarded([&] {
      sqlite::Transaction transaction(Db());
      std::optional<std::int64_t> keyId = createKey ? CreateKeyPath(hive, *names) : FindKey(hive, key);
      if (!keyId) return Status::NotFound;
      WriteValue(*keyId, name, *stored, replace);
      transaction.Commit();
      return Status::Ok;
    });
  }

  const std::string& LastError() const { return lastError_; }

 private:
  std::shared_ptr<sqlite::Database> db_;
  std::string lastError_;
};

RegistryStore::RegistryStore(const std::filesystem::path& file)
    : RegistryStore(file, [&] { return OpenStoreFile(file); }) {}

RegistryStore::RegistryStore(const std::filesystem::path& file, StoreKeeper& keeper)
    : RegistryStore(file, [&] { return keeper.Open(file); }) {}

RegistryStore::RegistryStore(const std::filesystem::path& file,
                             const std::function<std::shared_ptr<sqlite::Database>()>& connect) {
  std::error_code ignored;
  if (!std::filesystem::is_directory(file.parent_path().empty() ? "." : file.parent_path(), ignored)) {
    throw platform::RaisedError(
        platform::kErrFail, "RegistryStore",
        "cannot open the registry store " + file.string() + ": its folder does not exist");
  }
  try {
    impl_ = std::make_unique<Impl>(connect());
  } catch (const sqlite::Error& failure) {
    throw platform::RaisedError(platform::kErrFail, "RegistryStore",
                                std::string("cannot open the registry store ") + failure.what());
  }
}

RegistryStore::~RegistryStore() = default;

std::filesystem::path RegistryStore::FileIn(const std::filesystem::path& machineRoot) {
  return machineRoot / "registry.sqlite";
}

bool RegistryStore::KeyExists(Hive hive, std::string_view key) {
  if (!SplitKeyPath(key)) return false;
  return impl_->Guarded([&] { return impl_->FindKey(hive, key) ? Status::Ok : Status::NotFound; }) ==
         Status::Ok;
}

Status RegistryStore::CreateKey(Hive hive, std::string_view key) {
  auto names = SplitKeyPath(key);
  if (!names) return Status::InvalidName;
  return impl_->Guarded([&] {
    sqlite::Transaction transaction(impl_->Db());
    impl_->CreateKeyPath(hive, *names);
    transaction.Commit();
    return Status::Ok;
  });
}

Status RegistryStore::QueryValue(Hive hive, std::string_view key, std::string_view name, RegValue& value) {
  if (!SplitKeyPath(key)) return Status::InvalidName;
  return impl_->Guarded([&] {
    auto query = impl_->Db().Query(
        "SELECT v.type, v.data FROM keys k JOIN key_values v ON v.key_id = k.id "
        "WHERE k.hive = ?1 AND k.folded_path = ?2 AND v.folded_name = ?3",
        HiveName(hive), FoldCase(key), FoldCase(name));
    if (!query.Step()) return Status::NotFound;
    value.type = static_cast<ValueType>(query.Int(0));
    value.data = query.Text(1);
    return Status::Ok;
  });
}

Status RegistryStore::SetValue(Hive hive, std::string_view key, std::string_view name, const RegValue& value,
                               bool createKey) {
  return impl_->Write(hive, key, name, value, createKey, true);
}

Status RegistryStore::AddValueIfMissing(Hive hive, std::string_view key, std::string_view name,
                                        const RegValue& value) {
  return impl_->Write(hive, key, name, value, true, false);
}

Status RegistryStore::DeleteValue(Hive hive, std::string_view key, std::string_view name) {
  if (!SplitKeyPath(key)) return Status::InvalidName;
  return impl_->Guarded([&] {
    sqlite::Transaction transaction(impl_->Db());
    auto keyId = impl_->FindKey(hive, key);
    if (!keyId) return Status::NotFound;
    impl_->Db().Run("DELETE FROM key_values WHERE key_id = ?1 AND folded_name = ?2", *keyId, FoldCase(name));
    if (impl_->Db().Changes() == 0) return Status::NotFound;
    transaction.Commit();
    return Status::Ok;
  });
}

Status RegistryStore::DeleteKey(Hive hive, std::string_view key) {
  if (!SplitKeyPath(key)) return Status::InvalidName;
  return impl_->Guarded([&] {
    sqlite::Transaction transaction(impl_->Db());
    auto keyId = impl_->FindKey(hive, key);
    if (!keyId) return Status::NotFound;
    if (impl_->Db().Query("SELECT 1 FROM keys WHERE parent = ?1 LIMIT 1", *keyId).Step())
      return Status::HasSubkeys;
    impl_->Db().Run("DELETE FROM key_values WHERE key_id = ?1", *keyId);
    impl_->Db().Run("DELETE FROM keys WHERE id = ?1", *keyId);
    transaction.Commit();
    return Status::Ok;
  });
}

Status RegistryStore::EnumKey(Hive hive, std::string_view key, std::uint32_t index, std::string& name) {
  if (!SplitKeyPath(key)) return Status::InvalidName;
  return impl_->Guarded([&] {
    auto query = impl_->Db().Query(
        "SELECT c.name FROM keys k JOIN keys c ON c.parent = k.id "
        "WHERE k.hive = ?1 AND k.folded_path = ?2 ORDER BY c.folded_path LIMIT 1 OFFSET ?3",
        HiveName(hive), FoldCase(key), index);
    if (!query.Step()) return Status::NotFound;
    name = query.Text(0);
    return Status::Ok;
  });
}

const std::string& RegistryStore::LastError() const {
  return impl_->LastError();
}

std::optional<std::string> ReadText(RegistryStore& store, Hive hive, std::string_view key,
                                    std::string_view name) {
  RegValue value;
  if (store.QueryValue(hive, key, name, value) != Status::Ok) return std::nullopt;
  if (value.type != ValueType::Sz && value.type != ValueType::ExpandSz) return std::nullopt;
  return value.data.substr(0, value.data.find('\0'));
}

}  // namespace reg
