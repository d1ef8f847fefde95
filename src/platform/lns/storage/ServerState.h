#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/eventloop/EventLoop.h"
#include "platform/lns/LnsEvent.h"
#include "platform/lns/storage/DatabaseSource.h"
#include "platform/lns/storage/ServerDatabase.h"

namespace lns {

class LnsError;
class LnsNetworkVariable;
class NetworkState;

// The Object Server's state, shared by the control and every object reached through it.
class ServerState : public DatabaseSource, public std::enable_shared_from_this<ServerState> {
 public:
  ServerState(platform::EventLoop& loop, std::filesystem::path machineRoot);
  ~ServerState() override;

  platform::EventLoop& Loop() { return loop_; }
  const std::filesystem::path& MachineRoot() const { return machineRoot_; }

  // Opening reads the machine's settings (LonWorks folder, decimal separator) and the server's database;
  // a separator that the client put is kept instead of the machine's.
  void Open();
  // Closing closes every network opened through the server; their objects work again once the server, the
  // network and its system are open again.
  void Close();
  bool IsOpen() const { return database_ != nullptr; }
  void RequireOpen() const;

  sqlite::Database& Database() override;
  ServerDatabase& Server();
  const std::string& DecimalSeparator() const { return decimalSeparator_; }
  void PutDecimalSeparator(std::string separator);

  // The one state of a network in this server, so that every handle of it sees the same open state.
  std::shared_ptr<NetworkState> NetworkStateFor(const ServerDatabase::Network& network);
  // Removes the network from the server and deletes its database; open in this process, it is closed first.
  void RemoveNetwork(std::string_view name);

  bool remote = false;
  long remoteFlags = 0;
  bool preOpenFlag = false;
  std::string activeNetworkInterface;

  LnsEvent<long, std::string, LnsNetworkVariable> networkVariableUpdate;
  LnsEvent<long, LnsError> nvUpdateError;
  // Event 9: what the server shows has changed, and the client's active window is to be drawn anew.
  LnsEvent<> serverEvent9;

 private:
  platform::EventLoop& loop_;
  std::filesystem::path machineRoot_;
  std::string decimalSeparator_ = ".";
  std::optional<std::string> clientSeparator_;
  std::unique_ptr<ServerDatabase> database_;
  std::map<std::int64_t, std::weak_ptr<NetworkState>> networks_;
};

}  // namespace lns
