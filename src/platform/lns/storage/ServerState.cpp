#include "platform/lns/storage/ServerState.h"

#include "platform/lns/LnsCollection.h"
#include "platform/lns/LnsError.h"
#include "platform/lns/LnsNetworkVariable.h"
#include "platform/lns/storage/MachineSettings.h"
#include "platform/lns/storage/NetworkState.h"

namespace lns {

ServerState::ServerState(platform::EventLoop& loop, std::filesystem::path machineRoot)
    : loop_(loop), machineRoot_(std::move(machineRoot)) {}

ServerState::~ServerState() = default;

void ServerState::Open() {
  if (IsOpen()) return;
  MachineSettings settings = ReadMachineSettings(machineRoot_);
  database_ = std::make_unique<ServerDatabase>(settings.lonWorksFolder);
  decimalSeparator_ = clientSeparator_.value_or(settings.decimalSeparator);
}

void ServerState::PutDecimalSeparator(std::string separator) {
  clientSeparator_ = separator;
  decimalSeparator_ = std::move(separator);
}

// The networks' states outlive the close: a client's objects of a network work again once it has opened the
// server, the network and its system again, as they do after a close of the network alone.
void ServerState::Close() {
  for (auto& [id, weak] : networks_) {
    if (auto network = weak.lock()) network->CloseNetwork();
  }
  database_.reset();
  activeNetworkInterface.clear();
}

void ServerState::RequireOpen() const {
  if (!IsOpen()) throw LnsError(kLnsNotOpen, "the Object Server is not open");
}

sqlite::Database& ServerState::Database() {
  return Server().Db();
}

ServerDatabase& ServerState::Server() {
  RequireOpen();
  return *database_;
}

std::shared_ptr<NetworkState> ServerState::NetworkStateFor(const ServerDatabase::Network& network) {
  RequireOpen();
  // A server database read from another LonWorks folder since may number another network alike.
  auto existing = networks_[network.id].lock();
  if (existing && existing->DatabaseFile() == network.databaseFile) return existing;
  auto state = std::make_shared<NetworkState>(shared_from_this(), network);
  networks_[network.id] = state;
  return state;
}

void ServerState::RemoveNetwork(std::string_view name) {
  RequireOpen();
  auto network = database_->NetworkNamed(name);
  if (!network) ThrowNoItemNamed("the Object Server", "network", name);
  if (auto state = networks_[network->id].lock()) state->CloseNetwork();
  networks_.erase(network->id);
  database_->RemoveNetwork(network->id);
}

}  // namespace lns
