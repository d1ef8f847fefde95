#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "platform/eventloop/EventLoop.h"
#include "platform/lns/LnsComponentApp.h"
#include "platform/lns/LnsEvent.h"
#include "platform/lns/LnsNamedObject.h"

namespace lns {

class LnsError;
class LnsNetworks;
class LnsNetworkVariable;
class ServerState;

// The Object Server control: the entry to the networks of the machine root. Monitoring runs on `loop`,
// which must outlive the server. Destroying the server closes it and everything opened through it.
class LnsObjectServer {
 public:
  using NetworkVariableUpdateHandler =
      std::function<void(const long& tag, const std::string& value, const LnsNetworkVariable& variable)>;
  using NvUpdateErrorHandler = std::function<void(const long& tag, const LnsError& error)>;

  LnsObjectServer(platform::EventLoop& loop, std::filesystem::path machineRoot);
  ~LnsObjectServer();
  LnsObjectServer(const LnsObjectServer&) = delete;
  LnsObjectServer& operator=(const LnsObjectServer&) = delete;

  // Opening reads the LonWorks folder and the user's decimal separator (sDecimal) from the registry store
  // (the separator only while the client has put none).
  void Open();
  void Close();
  bool IsOpen() const;

  // The remote mode and its flags (16: over the internet, 32: over a network interface) are kept for the
  // client; a remote server reaches the same databases. The mode changes only while the server is closed.
  bool GetRemote() const;
  void PutRemote(bool remote);
  long GetRemoteFlags() const;
  void PutRemoteFlags(long flags);
  bool GetPreOpenFlag() const;
  void PutPreOpenFlag(bool flag);

  LnsNetworks GetNetworks() const;
  LnsNetworkInterfaces GetNetworkInterfaces() const;
  void SetActiveNetworkInterface(const LnsNetworkInterface& networkInterface);
  // "" until an interface is made active; cleared when the server closes.
  std::string GetActiveNetworkInterfaceName() const;

  // The component applications registered at the Object Server itself.
  LnsComponentApps GetComponentApps() const;

  // The decimal separator that values are formatted and parsed with: the user's, read when the server
  // opens, until the client puts one; the client's then holds, over closes and opens, until it puts another.
  std::string GetDecimalSeparator() const;
  void PutDecimalSeparator(const std::string& separator);

  // Raised on the event loop for each poll of a monitored network variable: its tag, the value read and the
  // variable; or, when the read fails, the tag and the error.
  LnsSubscription OnNetworkVariableUpdate(NetworkVariableUpdateHandler handler);
  LnsSubscription OnNvUpdateError(NvUpdateErrorHandler handler);
  // Event 9, raised on the event loop after each value that monitoring has delivered: the client's active
  // window is to be drawn anew.
  LnsSubscription OnServerEvent9(std::function<void()> handler);

 private:
  std::shared_ptr<ServerState> state_;
};

}  // namespace lns
