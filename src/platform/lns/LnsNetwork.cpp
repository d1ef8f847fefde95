#include "platform/lns/LnsNetwork.h"

#include "platform/lns/LnsCollection.h"
#include "platform/lns/LnsSystem.h"
#include "platform/lns/storage/NetworkState.h"
#include "platform/lns/storage/ServerState.h"
#include "platform/sqlite/Database.h"
#include "platform/sqlite/Transaction.h"

namespace lns {

std::string LnsNetwork::GetName() const {
  return state_->Name();
}
void LnsNetwork::Open() {
  state_->OpenNetwork();
}
void LnsNetwork::Close() {
  state_->CloseNetwork();
}
bool LnsNetwork::GetIsOpen() const {
  return state_->NetworkOpen();
}

bool LnsNetwork::GetIsReadOnly() const {
  return state_->NetworkDatabase().IsReadOnly();
}

LnsSystems LnsNetwork::GetSystems() const {
  state_->RequireNetworkOpen();
  return LnsSystems(state_);
}

LnsChannels LnsNetwork::GetChannels() const {
  state_->RequireNetworkOpen();
  return LnsChannels("the network \"" + state_->Name() + "\"", "channel", {"Channel 1"});
}

LnsNetworkServiceDevices LnsNetwork::GetNetworkServiceDevices() const {
  state_->RequireNetworkOpen();
  return LnsNetworkServiceDevices("the network \"" + state_->Name() + "\"", "network service device",
                                  {"Network Service Device"});
}

long LnsNetworks::Count() const {
  return static_cast<long>(server_->Server().Networks().size());
}

LnsNetwork LnsNetworks::Item(long position) const {
  auto networks = server_->Server().Networks();
  CheckPosition(position, networks.size(), "the networks of the Object Server");
  return LnsNetwork(server_->NetworkStateFor(networks[static_cast<std::size_t>(position - 1)]));
}

LnsNetwork LnsNetworks::Item(std::string_view name) const {
  auto network = server_->Server().NetworkNamed(name);
  if (!network) ThrowNoItemNamed("the Object Server", "network", name);
  return LnsNetwork(server_->NetworkStateFor(*network));
}

LnsNetwork LnsNetworks::Add(std::string_view name) {
  return LnsNetwork(server_->NetworkStateFor(server_->Server().AddNetwork(name)));
}

void LnsNetworks::Remove(std::string_view name) {
  server_->RemoveNetwork(name);
}

LnsNetwork LnsNetworks::Add(std::string_view name, const std::function<void(LnsNetwork&)>& fill) {
  // The record is committed last, so that a creation cut short leaves at most an unlisted folder.
  sqlite::Transaction transaction(server_->Database());
  const ServerDatabase::Network record = server_->Server().AddNetwork(name);
  LnsNetwork network(server_->NetworkStateFor(record));
  try {
    fill(network);
  } catch (...) {
    network.Close();
    std::error_code ignored;
    std::filesystem::remove_all(record.databaseFile.parent_path(), ignored);
    throw;
  }
  transaction.Commit();
  return network;
}

}  // namespace lns
