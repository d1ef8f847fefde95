#include "platform/registry/StoreFile.h"

#include <sqlite3.h>

#include <chrono>
#include <string>

#include "platform/sqlite/Transaction.h"

namespace reg {

namespace {

constexpr std::chrono::milliseconds kBusyTimeout{5000};
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

std::int64_t SchemaVersion(sqlite::Database& db) {
  auto query = db.Query("PRAGMA user_version");
  return query.Step() ? query.Int(0) : 0;
}

void CreateSchemaOnce(sqlite::Database& db) {
  sqlite::Transaction transaction(db);
  if (SchemaVersion(db) == 0) db.Execute(kCreateSchema);
  transaction.Commit();
}

}  // namespace

std::unique_ptr<sqlite::Database> OpenStoreFile(const std::filesystem::path& file) {
  auto db = std::make_unique<sqlite::Database>(file, sqlite::OpenOptions{kBusyTimeout});
  std::int64_t version = SchemaVersion(*db);
  if (version == 0 && !db->IsReadOnly()) {
    CreateSchemaOnce(*db);
    version = SchemaVersion(*db);
  }
  if (version != kSchemaVersion) {
    throw sqlite::Error(SQLITE_NOTADB, file.string() + ": not a registry store of this version (" +
                                           std::to_string(version) + ")");
  }
  return db;
}

}  // namespace reg
