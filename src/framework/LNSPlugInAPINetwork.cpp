// The network properties of the plug-in object: which network the director works on, and how the Object
// Server reaches it.
#include "framework/LNSPlugInAPI.h"
#include "mainwindow/fMain.h"
#include "program/Program.h"
#include "services/HostErrors.h"
#include "texts/PlugInMessages.h"

namespace qvr {

namespace {

// The interface name by which a director asks for a connection over the internet.
constexpr const char* kInternetInterface = "Internet";
// Remote flags of the Object Server: connected over the internet, or over a named network interface.
constexpr long kRemoteOverInternet = 16;
constexpr long kRemoteOverInterface = 32;
constexpr long kSystemOpenSetting = 200;

}  // namespace

std::string LNSPlugInAPI::networkName() const {
  return ownNetwork_.value_or(program_.framework.CurrentNetworkName);
}

void LNSPlugInAPI::SetNetworkName(std::string name) {
  ownNetwork_ = "";  // until the name opens
  MakeNetworkCurrent(name);
  ownNetwork_ = program_.framework.CurrentNetworkName;
}

void LNSPlugInAPI::MakeNetworkCurrent(const std::string& name) {
  ui::Screen& screen = program_.Ui().Screen();
  screen.SetMousePointer(ui::vbHourglass);
  try {
    OpenNetwork(program_, name, networkInterfaceName_);
  } catch (const std::exception&) {
    FrameworkState& state = program_.framework;
    state.NetworkIsOpen = false;
    state.CurrentNetworkName.clear();
    screen.SetMousePointer(ui::vbDefault);
    RaiseToHost(platform::kErrNotPossibleNow, program_.texts.MsgPlugInAPI[kMsgCannotOpenNetwork] + name);
  }
  screen.SetMousePointer(ui::vbDefault);
}

// Opens the Object Server in the mode that `interfaceName` asks for, then the network `name` and its
// system. What an earlier call opened under another name is not closed: its references are replaced.
void LNSPlugInAPI::OpenNetwork(Program& program, const std::string& name, const std::string& interfaceName) {
  FrameworkState& state = program.framework;
  if (name == state.CurrentNetworkName && state.NetworkIsOpen) return;

  lns::LnsObjectServer& server = *state.ObjectServer;
  const bool wasRemote = server.GetRemote();
  const bool wantRemote = !interfaceName.empty();
  if (wantRemote != wasRemote) {
    CloseObjectServer(program);
    server.PutRemote(wantRemote);
  }

  // The flags follow the mode the server had before this call: the first remote open leaves them alone.
  bool overInternet = false;
  if (!state.ObjectServerIsOpen) {
    CloseObjectServer(program);
    server.PutPreOpenFlag(false);
    if (wasRemote) {
      overInternet = interfaceName == kInternetInterface;
      const long flags = server.GetRemoteFlags() & ~(kRemoteOverInternet | kRemoteOverInterface);
      server.PutRemoteFlags(flags | (overInternet ? kRemoteOverInternet : kRemoteOverInterface));
    }
    server.Open();
    state.ObjectServerIsOpen = true;
  }
  if (wantRemote && !overInternet) {
    server.SetActiveNetworkInterface(server.GetNetworkInterfaces().Item(interfaceName));
  }

  state.CurrentNetwork = server.GetNetworks().Item(name);
  state.CurrentNetwork->Open();
  state.CurrentNetworkName = state.CurrentNetwork->GetName();
  state.CurrentSystem = state.CurrentNetwork->GetSystems().Item(1);
  state.CurrentSystem->Open();
  if (overInternet) {
    state.CurrentSystem->PutRemoteSetupFlag(true);
    state.CurrentSystem->PutRemoteSetupValue(0);
    state.CurrentSystem->PutRemoteSetupFlag(false);
  }
  state.NetworkIsOpen = true;
  state.CurrentNetworkInterfaceName = interfaceName;
  state.CurrentSystem->PutOpenSetting(kSystemOpenSetting);
}

std::string LNSPlugInAPI::NetworkInterfaceName() const {
  return networkInterfaceName_;
}

void LNSPlugInAPI::SetNetworkInterfaceName(const std::string& name) {
  networkInterfaceName_ = name;
}

bool LNSPlugInAPI::Remote() const {
  return program_.framework.ObjectServer->GetRemote();
}

// The server is closed and opened again around the change; the network and system stay closed until the
// next name or command opens them again.
void LNSPlugInAPI::SetRemote(bool remote) {
  FrameworkState& state = program_.framework;
  lns::LnsObjectServer& server = *state.ObjectServer;
  const bool wasOpen = server.IsOpen();
  CloseObjectServer(program_);
  state.ObjectServerIsOpen = wasOpen;
  server.PutRemote(remote);
  if (wasOpen) server.Open();
}

// The server's close closes the network and system too: they count as closed from then on. The window's
// monitoring ends first, while the device it watches can still be reached; left on, the next device
// command would fail to switch it off on the closed system.
void LNSPlugInAPI::CloseObjectServer(Program& program) {
  FrameworkState& state = program.framework;
  lns::LnsObjectServer& server = *state.ObjectServer;
  if (!server.IsOpen()) return;
  if (qvr::fMain* window = program.Windows().Find<qvr::fMain>()) window->EndMonitoring();
  server.Close();
  state.ObjectServerIsOpen = false;
  state.NetworkIsOpen = false;
}

void LNSPlugInAPI::OpenOwnNetwork() {
  const FrameworkState& state = program_.framework;
  const std::string own = ownNetwork_.value_or(state.CurrentNetworkName);
  if (own.empty()) return;  // no network was named, or the last name failed: nothing to open
  if (state.NetworkIsOpen && own == state.CurrentNetworkName) return;
  // An object that named no network does not take the current one as its own by reopening it.
  if (ownNetwork_)
    SetNetworkName(own);
  else
    MakeNetworkCurrent(own);
}

bool LNSPlugInAPI::LostItsNetwork() const {
  return ownNetwork_ && ownNetwork_->empty();
}

// The window's work belongs to the network of the device it shows: that network is made current again,
// through the interface it was open through, when a close of the Object Server closed it or another
// director's name made another current. A failure is no director's to hear of: the work then reports its
// own.
void LNSPlugInAPI::ReopenShownNetworkForUser(Program& program) {
  FrameworkState& state = program.framework;
  const OpenedNetwork shown =
      state.CurrentDevice ? state.CurrentDeviceNetwork
                          : OpenedNetwork{state.CurrentNetworkName, state.CurrentNetworkInterfaceName};
  if (shown.name.empty()) return;
  try {
    OpenNetwork(program, shown.name, shown.interfaceName);
  } catch (const std::exception&) {
    state.NetworkIsOpen = false;
  }
}

}  // namespace qvr
