#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/lns/LnsNamedObject.h"

namespace lns {

class LnsSystems;
class NetworkState;
class ServerState;

// A network of the Object Server. Handles of one network share its state: opening or closing it through
// one handle opens or closes it for all.
class LnsNetwork {
 public:
  explicit LnsNetwork(std::shared_ptr<NetworkState> state) : state_(std::move(state)) {}

  std::string GetName() const;
  void Open();
  // Closes the network's system too.
  void Close();
  bool GetIsOpen() const;
  // Whether this process may only read the network's database (its file lacks write permission), so that
  // every change fails. Needs the network open.
  bool GetIsReadOnly() const;

  // Needs the network open. A network has one system, named like the network.
  LnsSystems GetSystems() const;
  // One channel, "Channel 1", that every device of the network is on.
  LnsChannels GetChannels() const;
  // The host itself, "Network Service Device".
  LnsNetworkServiceDevices GetNetworkServiceDevices() const;

 private:
  std::shared_ptr<NetworkState> state_;
};

// The networks the Object Server knows, in the order they were created; read anew at every call.
class LnsNetworks {
 public:
  explicit LnsNetworks(std::shared_ptr<ServerState> server) : server_(std::move(server)) {}

  long Count() const;
  LnsNetwork Item(long position) const;
  LnsNetwork Item(std::string_view name) const;
  // Creates a network with a new database and its system; throws LnsError (kLnsAlreadyExists) when the name
  // is taken.
  LnsNetwork Add(std::string_view name);
  // Creates a network that others see only once `fill` has returned: what `fill` puts into it appears with
  // the network or not at all. When `fill` throws, or the process dies meanwhile, no network of that name
  // is left behind. The server's record stays locked for writing (another process's Add waits) until then.
  LnsNetwork Add(std::string_view name, const std::function<void(LnsNetwork&)>& fill);
  // Removes the network and deletes its database; throws LnsError (kLnsNotFound) when there is none of that
  // name. Handles of it in this process then raise kLnsNotOpen.
  void Remove(std::string_view name);

 private:
  std::shared_ptr<ServerState> server_;
};

}  // namespace lns
