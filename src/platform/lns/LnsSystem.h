#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/lns/LnsComponentApp.h"
#include "platform/lns/LnsNamedObject.h"
#include "platform/lns/LnsSystemStatus.h"
#include "platform/lns/sim/ChannelTiming.h"

namespace lns {

class LnsSubsystems;
class LnsTemplateLibrary;
class NetworkState;

// The system of a network. Everything below it (subsystems, devices, templates, values, monitoring) needs
// the system open; closing it stops its monitoring, and handles reached through it raise kLnsNotOpen until
// it is open again.
class LnsSystem {
 public:
  explicit LnsSystem(std::shared_ptr<NetworkState> state) : state_(std::move(state)) {}

  std::string GetName() const;
  void Open();
  void Close();
  bool GetIsOpen() const;

  // The top-level subsystems.
  LnsSubsystems GetSubsystems() const;
  LnsTemplateLibrary GetTemplateLibrary() const;
  LnsComponentApps GetComponentApps() const;
  LnsSubnets GetSubnets() const;
  LnsConnections GetConnections() const;
  LnsErrorObject GetErrorObject() const;
  LnsRecoveryStatus GetRecoveryStatus() const;

  // kNetworkModeOnNet (0) or kNetworkModeOffNet (1); off-net, no device is reached.
  long GetNetworkMode() const;
  void PutNetworkMode(long mode);

  // Simulation control: how long the network's channel takes to carry each device access.
  ChannelTiming GetChannelTiming() const;
  void PutChannelTiming(ChannelTiming timing);

  // Groups many changes into one database transaction: faster, and all or nothing with Cancel. Closing the
  // system cancels a running transaction.
  void StartTransaction();
  void CommitTransaction();
  void CancelTransaction();

  // Kept for the client; they do not change how this substitute works.
  void PutRemoteSetupFlag(bool flag);
  bool GetRemoteSetupFlag() const;
  void PutRemoteSetupValue(long value);
  long GetRemoteSetupValue() const;
  void PutOpenSetting(long setting);
  long GetOpenSetting() const;

 private:
  std::shared_ptr<NetworkState> state_;
};

// The systems of a network: exactly one.
class LnsSystems {
 public:
  explicit LnsSystems(std::shared_ptr<NetworkState> state) : state_(std::move(state)) {}

  long Count() const { return 1; }
  LnsSystem Item(long position) const;
  LnsSystem Item(std::string_view name) const;

 private:
  std::shared_ptr<NetworkState> state_;
};

}  // namespace lns
