#include "platform/lns/LnsObjectServer.h"

#include "platform/lns/LnsError.h"
#include "platform/lns/LnsNetwork.h"
#include "platform/lns/LnsNetworkVariable.h"
#include "platform/lns/storage/ServerState.h"

namespace lns {

LnsObjectServer::LnsObjectServer(platform::EventLoop& loop, std::filesystem::path machineRoot)
    : state_(std::make_shared<ServerState>(loop, std::move(machineRoot))) {}

LnsObjectServer::~LnsObjectServer() {
  state_->Close();
}

void LnsObjectServer::Open() {
  state_->Open();
}
void LnsObjectServer::Close() {
  state_->Close();
}
bool LnsObjectServer::IsOpen() const {
  return state_->IsOpen();
}

bool LnsObjectServer::GetRemote() const {
  return state_->remote;
}

void LnsObjectServer::PutRemote(bool remote) {
  if (state_->IsOpen() && remote != state_->remote) {
    throw LnsError(kLnsInvalidArgument, "the remote mode cannot change while the Object Server is open");
  }
  state_->remote = remote;
}

long LnsObjectServer::GetRemoteFlags() const {
  return state_->remoteFlags;
}
void LnsObjectServer::PutRemoteFlags(long flags) {
  state_->remoteFlags = flags;
}
bool LnsObjectServer::GetPreOpenFlag() const {
  return state_->preOpenFlag;
}
void LnsObjectServer::PutPreOpenFlag(bool flag) {
  state_->preOpenFlag = flag;
}

LnsNetworks LnsObjectServer::GetNetworks() const {
  state_->RequireOpen();
  return LnsNetworks(state_);
}

LnsNetworkInterfaces LnsObjectServer::GetNetworkInterfaces() const {
  return LnsNetworkInterfaces("the Object Server", "network interface", state_->Server().NetworkInterfaces());
}

void LnsObjectServer::SetActiveNetworkInterface(const LnsNetworkInterface& networkInterface) {
  // Looked up again, so that only an interface of this machine becomes active.
  state_->activeNetworkInterface = GetNetworkInterfaces().Item(networkInterface.GetName()).GetName();
}

std::string LnsObjectServer::GetActiveNetworkInterfaceName() const {
  return state_->activeNetworkInterface;
}

LnsComponentApps LnsObjectServer::GetComponentApps() const {
  state_->RequireOpen();
  return LnsComponentApps(state_, ComponentAppKey{ComponentAppOwner::Server, 0, 0});
}

std::string LnsObjectServer::GetDecimalSeparator() const {
  return state_->DecimalSeparator();
}

void LnsObjectServer::PutDecimalSeparator(const std::string& separator) {
  state_->PutDecimalSeparator(separator);
}

LnsSubscription LnsObjectServer::OnNetworkVariableUpdate(NetworkVariableUpdateHandler handler) {
  return state_->networkVariableUpdate.Subscribe(std::move(handler));
}

LnsSubscription LnsObjectServer::OnNvUpdateError(NvUpdateErrorHandler handler) {
  return state_->nvUpdateError.Subscribe(std::move(handler));
}

LnsSubscription LnsObjectServer::OnServerEvent9(std::function<void()> handler) {
  return state_->serverEvent9.Subscribe(std::move(handler));
}

}  // namespace lns
