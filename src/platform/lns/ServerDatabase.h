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
    std::filesystem::path databaseFile;
  };

  // Opens (creating when missing) <lonWorksFolder>/ObjectServer/ObjectServer.sqlite.
  explicit ServerDatabase(const std::filesystem::path& lonWorksFolder);

  sqlite::Database& Db() { return db_; }

  std::vector<Network> Networks();
  std::optional<Network> NetworkNamed(std::string_view name);
  // Creates the network's database (under Databases/) and records it; throws LnsError (kLnsAlreadyExists)
  // when a network of that name exists.
  Network AddNetwork(std::string_view name);
  void RemoveNetwork(std::int64_t id);

  std::vector<std::string> NetworkInterfaces();

 private:
  Network ToNetwork(const sqlite::Statement& row) const;

  std::filesystem::path lonWorksFolder_;
  sqlite::Database db_;
};

}  // namespace lns
