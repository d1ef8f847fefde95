#include "platform/lns/storage/NetworkState.h"

#include "platform/lns/InterfaceRef.h"
#include "platform/lns/LnsError.h"
#include "platform/lns/LnsNetworkVariable.h"
#include "platform/lns/resources/TemplateInterface.h"
#include "platform/lns/sim/ChannelTiming.h"
#include "platform/lns/sim/DeviceAccess.h"
#include "platform/lns/sim/DeviceSimulation.h"
#include "platform/lns/storage/DeviceRecord.h"
#include "platform/lns/storage/NetworkDatabase.h"
#include "platform/lns/storage/ServerState.h"

namespace lns {

NetworkState::NetworkState(std::shared_ptr<ServerState> server, ServerDatabase::Network network)
    : server_(std::move(server)), network_(std::move(network)) {}

NetworkState::~NetworkState() = default;

void NetworkState::OpenNetwork() {
  server_->RequireOpen();
  if (!database_) {
    if (network_.databaseFile.empty()) {
      throw LnsError(kLnsDatabase, "the network \"" + network_.name +
                                       "\" is recorded with a database folder outside the Databases folder");
    }
    database_ = OpenNetworkDatabase(network_.databaseFile);
    hasChannelTable_ = lns::HasChannelTable(*database_);
  }
}

void NetworkState::CloseNetwork() {
  CloseSystem();
  database_.reset();
  interfaces_.clear();
}

void NetworkState::RequireNetworkOpen() const {
  if (!NetworkOpen()) throw LnsError(kLnsNotOpen, "the network \"" + network_.name + "\" is not open");
}

void NetworkState::OpenSystem() {
  RequireNetworkOpen();
  if (!monitor_) {
    monitor_ = std::make_unique<NvMonitor>(
        server_->Loop(), [this](std::int64_t device, int nvIndex, long tag) { Poll(device, nvIndex, tag); });
    if (AnyDeviceSimulated(*database_)) StartSimulation();
  }
}

void NetworkState::CloseSystem() {
  simulation_.reset();
  transaction_.reset();
  monitor_.reset();
}

void NetworkState::StartSimulation() {
  if (simulation_ || !SystemOpen()) return;
  simulation_ =
      server_->Loop().CreateTimer([this] { SimulateDevices(shared_from_this(), ++simulationTicks_); });
  simulation_->SetInterval(kSimulationTickMs);
  simulation_->SetEnabled(true);
}

sqlite::Database& NetworkState::Database() {
  if (!SystemOpen())
    throw LnsError(kLnsNotOpen, "the system of the network \"" + network_.name + "\" is not open");
  return *database_;
}

sqlite::Database& NetworkState::NetworkDatabase() {
  RequireNetworkOpen();
  return *database_;
}

std::shared_ptr<const TemplateInterface> NetworkState::Interface(std::int64_t templateId,
                                                                 std::int64_t revision) {
  auto& cached = interfaces_[templateId];
  if (!cached.second || cached.first != revision)
    cached = {revision, LoadTemplateInterface(Database(), templateId)};
  return cached.second;
}

std::shared_ptr<const TemplateInterface> NetworkState::Interface(std::int64_t templateId) {
  auto query = Database().Query("SELECT revision FROM templates WHERE id = ?", templateId);
  if (!query.Step()) throw LnsError(kLnsNotFound, "the device template no longer exists");
  return Interface(templateId, query.Int(0));
}

NvMonitor& NetworkState::Monitor() {
  Database();
  return *monitor_;
}

void NetworkState::StartTransaction() {
  sqlite::Database& db = Database();
  if (transaction_) throw LnsError(kLnsInvalidArgument, "a transaction is running already");
  transaction_ = std::make_unique<sqlite::Transaction>(db);
}

void NetworkState::CommitTransaction() {
  Database();
  if (!transaction_) throw LnsError(kLnsInvalidArgument, "no transaction is running");
  transaction_->Commit();
  transaction_.reset();
}

void NetworkState::CancelTransaction() {
  Database();
  if (!transaction_) throw LnsError(kLnsInvalidArgument, "no transaction is running");
  transaction_.reset();
}

void NetworkState::RecordError(const LnsError& error) {
  lastError_ = {error.Number(), error.Description()};
}

void NetworkState::Poll(std::int64_t deviceId, int nvIndex, long tag) {
  std::optional<LnsNetworkVariable> variable;
  std::string value;
  try {
    DeviceRecord device = LoadDevice(Database(), deviceId);
    InterfaceRef ref{shared_from_this(), deviceId, device.templateId,
                     Interface(device.templateId, device.templateRevision)};
    const auto* nv = ref.interface->FindNetworkVariable(nvIndex);
    if (!nv)
      throw LnsError(kLnsNotFound, device.name + " has no network variable " + std::to_string(nvIndex));
    value = ReadNetworkVariable(ref, *nv);
    variable.emplace(ref, *nv);
  } catch (const LnsError& error) {
    server_->nvUpdateError.Raise(tag, error);
    return;
  }
  server_->networkVariableUpdate.Raise(tag, value, *variable);
  server_->serverEvent9.Raise();
}

}  // namespace lns
