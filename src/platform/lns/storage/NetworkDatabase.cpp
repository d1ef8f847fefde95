#include "platform/lns/storage/NetworkDatabase.h"

#include "platform/lns/LnsError.h"
#include "platform/lns/sim/ChannelTiming.h"
#include "platform/lns/storage/ComponentAppStore.h"
#include "platform/lns/storage/DatabaseOptions.h"
#include "platform/sqlite/Transaction.h"

namespace lns {

namespace {

constexpr int kSchemaVersion = 1;

// Values of a device are kept only once written; until then the device holds its template's delivered
// values. Subsystem 0 is the system itself (parent of the top-level subsystems).
const char* const kNetworkSchema = R"sql(
CREATE TABLE system (
  id INTEGER PRIMARY KEY CHECK (id = 1),
  name TEXT NOT NULL,
  network_mode INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE subsystems (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  parent_id INTEGER NOT NULL,
  name TEXT NOT NULL COLLATE NOCASE,
  UNIQUE (parent_id, name)
);
CREATE TABLE templates (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  name TEXT NOT NULL UNIQUE COLLATE NOCASE,
  program_id TEXT UNIQUE COLLATE NOCASE,
  revision INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE template_nvs (
  template_id INTEGER NOT NULL,
  nv_index INTEGER NOT NULL,
  name TEXT NOT NULL,
  direction INTEGER NOT NULL,
  value_type TEXT NOT NULL,
  initial BLOB NOT NULL,
  PRIMARY KEY (template_id, nv_index)
) WITHOUT ROWID;
CREATE TABLE template_blocks (
  template_id INTEGER NOT NULL,
  block_index INTEGER NOT NULL,
  name TEXT NOT NULL,
  profile INTEGER NOT NULL,
  PRIMARY KEY (template_id, block_index)
) WITHOUT ROWID;
CREATE TABLE template_cps (
  template_id INTEGER NOT NULL,
  position INTEGER NOT NULL,
  owner_kind INTEGER NOT NULL,
  owner_index INTEGER NOT NULL,
  scope INTEGER NOT NULL,
  type_index INTEGER NOT NULL,
  type_name TEXT NOT NULL,
  value_type TEXT NOT NULL,
  delivered BLOB NOT NULL,
  PRIMARY KEY (template_id, position)
) WITHOUT ROWID;
CREATE TABLE devices (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  subsystem_id INTEGER NOT NULL,
  template_id INTEGER NOT NULL,
  name TEXT NOT NULL COLLATE NOCASE,
  neuron_id TEXT NOT NULL,
  state INTEGER NOT NULL,
  commissioned INTEGER NOT NULL,
  state_unknown INTEGER NOT NULL DEFAULT 0,
  refuse_writes INTEGER NOT NULL DEFAULT 0,
  times_out INTEGER NOT NULL DEFAULT 0,
  UNIQUE (subsystem_id, name)
);
CREATE INDEX devices_by_template ON devices (template_id, id);
CREATE TABLE device_values (
  device_id INTEGER NOT NULL,
  kind INTEGER NOT NULL,
  number INTEGER NOT NULL,
  raw BLOB NOT NULL,
  PRIMARY KEY (device_id, kind, number)
) WITHOUT ROWID;
CREATE TABLE block_modes (
  device_id INTEGER NOT NULL,
  block_index INTEGER NOT NULL,
  mode INTEGER NOT NULL,
  PRIMARY KEY (device_id, block_index)
) WITHOUT ROWID;
)sql";

}  // namespace

void CreateNetworkDatabase(const std::filesystem::path& file, std::string_view systemName) {
  std::error_code error;
  std::filesystem::create_directories(file.parent_path(), error);
  if (error) {
    throw LnsError(kLnsDatabase,
                   "cannot create the folder " + file.parent_path().string() + ": " + error.message());
  }
  sqlite::Database db(file, DatabaseOptions());
  sqlite::Transaction transaction(db);
  db.Execute(kNetworkSchema);
  db.Execute(kComponentAppSchema);
  db.Execute(kChannelSchema);
  db.Run("INSERT INTO system (id, name) VALUES (1, ?)", systemName);
  db.Execute("PRAGMA user_version = " + std::to_string(kSchemaVersion));
  transaction.Commit();
}

std::unique_ptr<sqlite::Database> OpenNetworkDatabase(const std::filesystem::path& file) {
  if (!std::filesystem::is_regular_file(file)) {
    throw LnsError(kLnsDatabase, "the network database " + file.string() + " is missing");
  }
  auto db = std::make_unique<sqlite::Database>(file, DatabaseOptions());
  auto version = db->Query("PRAGMA user_version");
  version.Step();
  if (version.Int(0) != kSchemaVersion) {
    throw LnsError(kLnsDatabase, file.string() + " is not a network database of this version");
  }
  return db;
}

}  // namespace lns
