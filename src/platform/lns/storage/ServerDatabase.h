#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sqlite/Database.h"

namespace lns {

// The Object Server's own data: the networks it knows with the folders of their databases, the machine's
// network interfaces and the server-level component applications. One SQLite file under the LonWorks folder.
class ServerDatabase {
 public:
  struct Network {
    std::int64_t id = 0;
    std::string name;
    // <LonWorks>/Databases/<folder>/network.sqlite; empty when the stored folder names no folder directly
    // inside Databases ("..", an absolute path, ...), so that such a record leads nowhere.
    std::filesystem::path databaseFile;
  };

  // Opens (creating when missing) <lonWorksFolder>/ObjectServer/ObjectServer.sqlite.
  explicit ServerDatabase(const std::filesystem::path& lonWorksFolder);

  sqlite::Database& Db() { return db_; }

  std::vector<Network> Networks();
  std::optional<Network> NetworkNamed(std::string_view name);
  // Creates the network's database (under Databases/) and records it; throws LnsError (kLnsAlreadyExists)
  // when a network of that name exists.
  // A creation first removes the folders that no network lists (left by a creation cut short).
  Network AddNetwork(std::string_view name);
  // Removes the record, then its folder with every other folder that no network lists; nothing outside
  // the Databases folder.
  void RemoveNetwork(std::int64_t id);

  std::vector<std::string> NetworkInterfaces();

 private:
  std::filesystem::path DatabasesFolder() const;
  // The folder that a stored folder name leads to, which must lie directly inside Databases.
  std::optional<std::filesystem::path> NetworkFolder(std::string_view stored) const;
  Network ToNetwork(const sqlite::Statement& row) const;
  void RemoveUnlistedFolders();

  std::filesystem::path lonWorksFolder_;
  sqlite::Database db_;
};

}  // namespace lns
