#include "platform/lns/storage/ServerDatabase.h"

#include <cctype>
#include <set>
#include <system_error>

#include "platform/EchoedText.h"
#include "platform/MachineRoot.h"
#include "platform/lns/LnsError.h"
#include "platform/lns/storage/ComponentAppStore.h"
#include "platform/lns/storage/DatabaseOptions.h"
#include "platform/lns/storage/NetworkDatabase.h"
#include "platform/sqlite/Error.h"
#include "platform/sqlite/Transaction.h"

namespace lns {

namespace {

const char* const kServerSchema = R"sql(
CREATE TABLE IF NOT EXISTS networks (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  name TEXT NOT NULL UNIQUE COLLATE NOCASE,
  folder TEXT NOT NULL UNIQUE
);
CREATE TABLE IF NOT EXISTS network_interfaces (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  name TEXT NOT NULL UNIQUE COLLATE NOCASE
);
INSERT OR IGNORE INTO network_interfaces (name) VALUES ('LON1');
)sql";

constexpr const char* kDatabaseFileName = "network.sqlite";

std::filesystem::path ServerFile(const std::filesystem::path& lonWorksFolder) {
  std::filesystem::path folder = lonWorksFolder / "ObjectServer";
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error)
    throw LnsError(kLnsDatabase, "cannot create the folder " + folder.string() + ": " + error.message());
  return folder / "ObjectServer.sqlite";
}

// Far below any file system's limit on one name, with room for the number that sets clashes apart.
constexpr std::size_t kMostFolderNameBytes = 64;

// A folder name from the network's name: letters, digits, blanks, '-' and '_' kept, anything else '_';
// a long name gives its first characters only.
std::string FolderNameFor(std::string_view name) {
  std::string folder;
  for (char c : name.substr(0, kMostFolderNameBytes)) {
    bool keep = std::isalnum(static_cast<unsigned char>(c)) || c == ' ' || c == '-' || c == '_';
    folder += keep ? c : '_';
  }
  return folder;
}

// The newest table of the schema: every older one is there when it is.
bool HasSchema(sqlite::Database& db) {
  return db.Query("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'component_apps'").Step();
}

}  // namespace

ServerDatabase::ServerDatabase(const std::filesystem::path& lonWorksFolder)
    : lonWorksFolder_(lonWorksFolder), db_(ServerFile(lonWorksFolder), DatabaseOptions()) {
  // Set up once: opening a server that is set up writes nothing, so that a read-only root can be read.
  if (HasSchema(db_)) return;
  sqlite::Transaction transaction(db_);
  db_.Execute(kServerSchema);
  db_.Execute(kComponentAppSchema);
  transaction.Commit();
}

std::filesystem::path ServerDatabase::DatabasesFolder() const {
  return (lonWorksFolder_ / "Databases").lexically_normal();
}

std::optional<std::filesystem::path> ServerDatabase::NetworkFolder(std::string_view stored) const {
  const std::filesystem::path databases = DatabasesFolder();
  std::optional<std::filesystem::path> folder = platform::PathInside(databases, stored);
  if (!folder || folder->parent_path() != databases) return std::nullopt;
  return folder;
}

ServerDatabase::Network ServerDatabase::ToNetwork(const sqlite::Statement& row) const {
  const std::optional<std::filesystem::path> folder = NetworkFolder(row.Text(2));
  return Network{row.Int(0), row.Text(1), folder ? *folder / kDatabaseFileName : std::filesystem::path()};
}

std::vector<ServerDatabase::Network> ServerDatabase::Networks() {
  std::vector<Network> networks;
  auto query = db_.Query("SELECT id, name, folder FROM networks ORDER BY id");
  while (query.Step()) networks.push_back(ToNetwork(query));
  return networks;
}

std::optional<ServerDatabase::Network> ServerDatabase::NetworkNamed(std::string_view name) {
  auto query = db_.Query("SELECT id, name, folder FROM networks WHERE name = ?", name);
  if (!query.Step()) return std::nullopt;
  return ToNetwork(query);
}

ServerDatabase::Network ServerDatabase::AddNetwork(std::string_view name) {
  if (name.empty()) throw LnsError(kLnsInvalidArgument, "a network needs a name");
  sqlite::Transaction transaction(db_);
  if (NetworkNamed(name)) {
    throw LnsError(kLnsAlreadyExists, "a network named " + platform::Echoed(name) + " exists already");
  }
  RemoveUnlistedFolders();
  // Folder names may clash where names differ only in replaced characters; number them apart.
  std::string base = FolderNameFor(name);
  std::string folder = base;
  for (int n = 2; std::filesystem::exists(DatabasesFolder() / folder) ||
                  db_.Query("SELECT 1 FROM networks WHERE folder = ?", folder).Step();
       ++n) {
    folder = base + " " + std::to_string(n);
  }
  std::filesystem::path file = DatabasesFolder() / folder / kDatabaseFileName;
  try {
    CreateNetworkDatabase(file, name);
    db_.Run("INSERT INTO networks (name, folder) VALUES (?, ?)", name, folder);
    std::int64_t id = db_.LastInsertId();
    transaction.Commit();
    return Network{id, std::string(name), file};
  } catch (...) {
    std::error_code ignored;
    std::filesystem::remove_all(file.parent_path(), ignored);
    throw;
  }
}

void ServerDatabase::RemoveNetwork(std::int64_t id) {
  {
    // The record goes first: a removal cut short leaves an unlisted folder, never a listed network without
    // its database.
    sqlite::Transaction transaction(db_);
    db_.Run("DELETE FROM networks WHERE id = ?", id);
    transaction.Commit();
  }
  try {
    RemoveUnlistedFolders();
  } catch (const sqlite::Error&) {
    // Another process holds the write lock: the folder goes with the next creation or removal.
  }
}

void ServerDatabase::RemoveUnlistedFolders() {
  // Under the write lock, which a creation holds from making its folder until its record is committed: an
  // unlisted folder is then one that no creation is filling.
  sqlite::Transaction transaction(db_);
  std::set<std::string> listed;
  auto query = db_.Query("SELECT folder FROM networks");
  while (query.Step()) listed.insert(query.Text(0));
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(DatabasesFolder(), error)) {
    // Folders only, not links: a removal never reaches beyond the Databases folder.
    std::error_code ignored;
    if (entry.is_directory(ignored) && !entry.is_symlink(ignored) &&
        listed.count(entry.path().filename().string()) == 0) {
      std::filesystem::remove_all(entry.path(), ignored);
    }
  }
  transaction.Commit();
}

std::vector<std::string> ServerDatabase::NetworkInterfaces() {
  std::vector<std::string> names;
  auto query = db_.Query("SELECT name FROM network_interfaces ORDER BY id");
  while (query.Step()) names.push_back(query.Text(0));
  return names;
}

}  // namespace lns
