#include "platform/registry/StoreFile.h"

#include <sys/stat.h>

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

std::unique_ptr<sqlite::Database> OpenNewConnection(const std::filesystem::path& file) {
  auto db = std::make_unique<sqlite::Database>(file, sqlite::OpenOptions{kBusyTimeout});
  std::int64_t version = SchemaVersion(*db);
  if (version == 0 && !db->IsReadOnly()) {
    CreateSchemaOnce(*db);
    version = SchemaVersion(*db);
  }
  if (version != kSchemaVersion) {
    throw sqlite::NotADatabase(file.string() + ": not a registry store of this version (" +
                               std::to_string(version) + ")");
  }
  return db;
}

}  // namespace

// What tells one file from another at the same path: a file removed and made anew (which may get the old
// inode number), or whose permissions changed, needs a connection of its own. The change time moves only
// when the log is written back into the file, so a connection is rarely opened again for nothing.
struct StoreKeeper::FileIdentity {
  std::string path;
  dev_t device = 0;
  ino_t inode = 0;
  mode_t mode = 0;
  std::int64_t changedSeconds = 0;
  long changedNanoseconds = 0;
  bool operator==(const FileIdentity&) const = default;
};

std::unique_ptr<StoreKeeper::FileIdentity> StoreKeeper::IdentityOf(const std::filesystem::path& file) {
  struct stat status {};
  if (stat(file.c_str(), &status) != 0) return nullptr;
  return std::make_unique<FileIdentity>(FileIdentity{std::filesystem::absolute(file).string(), status.st_dev,
                                                     status.st_ino, status.st_mode, status.st_ctim.tv_sec,
                                                     status.st_ctim.tv_nsec});
}

std::shared_ptr<sqlite::Database> OpenStoreFile(const std::filesystem::path& file) {
  return OpenNewConnection(file);
}

StoreKeeper::StoreKeeper() = default;

StoreKeeper::~StoreKeeper() = default;

std::shared_ptr<sqlite::Database> StoreKeeper::Open(const std::filesystem::path& file) {
  const std::unique_ptr<FileIdentity> identity = IdentityOf(file);
  if (db_ && identity && identity_ && *identity == *identity_) return db_;
  db_.reset();
  db_ = OpenNewConnection(file);
  identity_ = IdentityOf(file);  // a file made just now has one only after the connection made it
  return db_;
}

}  // namespace reg
