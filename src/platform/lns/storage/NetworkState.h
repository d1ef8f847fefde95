#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/eventloop/EventLoop.h"
#include "platform/lns/NvMonitor.h"
#include "platform/lns/storage/DatabaseSource.h"
#include "platform/lns/storage/ServerDatabase.h"
#include "platform/sqlite/Database.h"
#include "platform/sqlite/Transaction.h"

namespace lns {

class LnsError;
class ServerState;
struct TemplateInterface;

// What a system keeps for its clients besides its database: the puts of the remote set-up and the open
// setting, and the last error of a device operation.
struct SystemSettings {
  bool remoteSetupFlag = false;
  long remoteSetupValue = 0;
  long openSetting = 0;
};

struct RecordedError {
  long number = 0;
  std::string description;
};

// One network as this Object Server has it: open or closed, its system open or closed, its database while
// open, the cache of template interfaces and the monitored network variables of its system.
class NetworkState : public DatabaseSource, public std::enable_shared_from_this<NetworkState> {
 public:
  NetworkState(std::shared_ptr<ServerState> server, ServerDatabase::Network network);
  ~NetworkState() override;

  ServerState& Server() { return *server_; }
  std::int64_t Id() const { return network_.id; }
  const std::string& Name() const { return network_.name; }
  const std::filesystem::path& DatabaseFile() const { return network_.databaseFile; }

  void OpenNetwork();
  // Closes the system too.
  void CloseNetwork();
  bool NetworkOpen() const { return database_ != nullptr; }
  void RequireNetworkOpen() const;

  void OpenSystem();
  void CloseSystem();
  bool SystemOpen() const { return monitor_ != nullptr; }

  // The database; throws LnsError (kLnsNotOpen) unless the system is open.
  sqlite::Database& Database() override;
  // Raises what Database() raises, for an operation that needs no more than the open system.
  void RequireSystemOpen() { Database(); }
  // The database while only the network needs to be open.
  sqlite::Database& NetworkDatabase();

  // A template's interface at the given revision, loaded once.
  std::shared_ptr<const TemplateInterface> Interface(std::int64_t templateId, std::int64_t revision);
  // A template's interface at its current revision.
  std::shared_ptr<const TemplateInterface> Interface(std::int64_t templateId);

  NvMonitor& Monitor();

  // Whether the database has the channel's timing table: checked when the network opens, set when this
  // process writes a timing. A database made before the table existed has no timing.
  bool HasChannelTable() const { return hasChannelTable_; }
  void ChannelTableMade() { hasChannelTable_ = true; }

  // Lets the simulated devices live on the event loop while the system is open (started when it opens on a
  // network that has any, or when one is switched on).
  void StartSimulation();

  // One transaction around many changes of the system's clients (kLnsInvalidArgument when one is running
  // already, or none is to end); closing the system cancels it.
  void StartTransaction();
  void CommitTransaction();
  void CancelTransaction();

  SystemSettings& Settings() { return settings_; }
  void RecordError(const LnsError& error);
  const RecordedError& LastError() const { return lastError_; }

 private:
  void Poll(std::int64_t deviceId, int nvIndex, long tag);

  std::shared_ptr<ServerState> server_;
  ServerDatabase::Network network_;
  std::unique_ptr<sqlite::Database> database_;
  std::unique_ptr<sqlite::Transaction> transaction_;  // after the database: it ends first
  std::unique_ptr<NvMonitor> monitor_;
  std::unique_ptr<platform::LoopTimer> simulation_;
  std::int64_t simulationTicks_ = 0;
  std::map<std::int64_t, std::pair<std::int64_t, std::shared_ptr<const TemplateInterface>>> interfaces_;
  bool hasChannelTable_ = false;
  SystemSettings settings_;
  RecordedError lastError_;
};

}  // namespace lns
