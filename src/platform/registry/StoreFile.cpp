#include "platform/registry/StoreFile.h"

#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

namespace reg {

namespace {

constexpr int kBusyTimeoutMs = 5000;
constexpr std::int64_t kSchemaVersion = 1;

// Keys hold their path folded for look-up and their own name as first written; a key right below its
// hive has the parent 0. Values belong to a key; the empty name is the key's default value.
constexpr const char* kCreateSchema = R"sql(
  CREATE TABLE keys (
    id INTEGER PRIMARY KEY,
    hive TEXT NOT NULL,
    parent INTEGER NOT NULL,
    name TEXT NOT NULL,
    folded_path TEXT NOT NULL,
    UNIQUE (hive, folded_path));
  CREATE INDEX keys_by_parent ON keys (parent, folded_path);
  CREATE TABLE key_values (
    key_id INTEGER NOT NULL,
    name TEXT NOT NULL,
    folded_name TEXT NOT NULL,
    type INTEGER NOT NULL,
    data BLOB NOT NULL,
    PRIMARY KEY (key_id, folded_name)) WITHOUT ROWID;
  PRAGMA user_version = 1;
)sql";

// Root, too, honours a file whose write permissions were all taken away.
bool IsWritable(const std::filesystem::path& file) {
  std::error_code error;
  auto status = std::filesystem::status(file, error);
  if (error || !std::filesystem::exists(status)) return true;
  using std::filesystem::perms;
  bool anyWriteBit =
      (status.permissions() & (perms::owner_write | perms::group_write | perms::others_write)) != perms::none;
  return anyWriteBit && access(file.c_str(), W_OK) == 0;
}

std::int64_t SchemaVersion(sql::Connection& db) {
  sql::Statement query(db, "PRAGMA user_version");
  return query.Step() ? query.Integer(0) : 0;
}

// Switching to write-ahead logging does not wait for another connection's lock as other calls do, so
// it is tried again for as long as they would wait.
void SwitchToWriteAheadLog(sql::Connection& db) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kBusyTimeoutMs);
  while (true) {
    try {
      db.Execute("PRAGMA journal_mode = WAL");
      return;
    } catch (const sql::Failure& failure) {
      if (!failure.IsBusy() || std::chrono::steady_clock::now() >= deadline) throw;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

void CreateSchemaOnce(sql::Connection& db) {
  // Write-ahead logging is kept in the file, so it is switched on once, when the file is new.
  SwitchToWriteAheadLog(db);
  sql::WriteTransaction transaction(db);
  if (SchemaVersion(db) == 0) db.Execute(kCreateSchema);
  transaction.Commit();
}

}  // namespace

std::unique_ptr<sql::Connection> OpenStoreFile(const std::filesystem::path& file) {
  auto db = std::make_unique<sql::Connection>(file, !IsWritable(file), kBusyTimeoutMs);
  // NORMAL is safe with write-ahead logging: a crash may lose the last commits, never corrupt the file.
  db->Execute("PRAGMA synchronous = NORMAL");
  std::int64_t version = SchemaVersion(*db);
  if (version == 0 && !db->IsReadOnly()) {
    CreateSchemaOnce(*db);
    version = SchemaVersion(*db);
  }
  if (version != kSchemaVersion) {
    throw sql::Failure(file.string() + ": not a registry store of this version (" + std::to_string(version) +
                       ")");
  }
  return db;
}

}  // namespace reg
