#include "platform/lns/LnsSystem.h"

#include "platform/lns/DeviceStates.h"
#include "platform/lns/LnsCollection.h"
#include "platform/lns/LnsError.h"
#include "platform/lns/LnsSubsystem.h"
#include "platform/lns/LnsTemplateLibrary.h"
#include "platform/lns/storage/NetworkState.h"
#include "platform/sqlite/Database.h"
#include "platform/sqlite/Transaction.h"

namespace lns {

namespace {

std::string SystemName(NetworkState& state) {
  auto query = state.NetworkDatabase().Query("SELECT name FROM system WHERE id = 1");
  if (!query.Step()) throw LnsError(kLnsDatabase, "the network \"" + state.Name() + "\" has no system");
  return query.Text(0);
}

}  // namespace

std::string LnsSystem::GetName() const {
  return SystemName(*state_);
}
void LnsSystem::Open() {
  state_->OpenSystem();
}
void LnsSystem::Close() {
  state_->CloseSystem();
}
bool LnsSystem::GetIsOpen() const {
  return state_->SystemOpen();
}

ChannelTiming LnsSystem::GetChannelTiming() const {
  return ReadChannelTiming(state_->Database());
}
void LnsSystem::PutChannelTiming(ChannelTiming timing) {
  WriteChannelTiming(state_->Database(), timing);
  state_->ChannelTableMade();
}

LnsSubsystems LnsSystem::GetSubsystems() const {
  return LnsSubsystems::Children(state_, 0);
}

LnsTemplateLibrary LnsSystem::GetTemplateLibrary() const {
  state_->RequireSystemOpen();
  return LnsTemplateLibrary(state_);
}

LnsComponentApps LnsSystem::GetComponentApps() const {
  state_->RequireSystemOpen();
  return LnsComponentApps(state_, ComponentAppKey{ComponentAppOwner::System, 0, 0});
}

LnsSubnets LnsSystem::GetSubnets() const {
  state_->RequireSystemOpen();
  return LnsSubnets("the system \"" + GetName() + "\"", "subnet", {"Subnet 1"});
}

LnsConnections LnsSystem::GetConnections() const {
  state_->RequireSystemOpen();
  return LnsConnections();
}

LnsErrorObject LnsSystem::GetErrorObject() const {
  state_->RequireSystemOpen();
  return LnsErrorObject(state_->LastError().number, state_->LastError().description);
}

LnsRecoveryStatus LnsSystem::GetRecoveryStatus() const {
  state_->RequireSystemOpen();
  return LnsRecoveryStatus();
}

long LnsSystem::GetNetworkMode() const {
  auto query = state_->Database().Query("SELECT network_mode FROM system WHERE id = 1");
  query.Step();
  return static_cast<long>(query.Int(0));
}

void LnsSystem::PutNetworkMode(long mode) {
  if (mode != kNetworkModeOnNet && mode != kNetworkModeOffNet) {
    throw LnsError(kLnsInvalidArgument,
                   "network mode " + std::to_string(mode) + " is neither 0 (on-net) nor 1 (off-net)");
  }
  sqlite::Database& db = state_->Database();
  sqlite::Transaction transaction(db);
  db.Run("UPDATE system SET network_mode = ? WHERE id = 1", mode);
  transaction.Commit();
}

void LnsSystem::StartTransaction() {
  state_->StartTransaction();
}
void LnsSystem::CommitTransaction() {
  state_->CommitTransaction();
}
void LnsSystem::CancelTransaction() {
  state_->CancelTransaction();
}

void LnsSystem::PutRemoteSetupFlag(bool flag) {
  state_->Settings().remoteSetupFlag = flag;
}
bool LnsSystem::GetRemoteSetupFlag() const {
  return state_->Settings().remoteSetupFlag;
}
void LnsSystem::PutRemoteSetupValue(long value) {
  state_->Settings().remoteSetupValue = value;
}
long LnsSystem::GetRemoteSetupValue() const {
  return state_->Settings().remoteSetupValue;
}
void LnsSystem::PutOpenSetting(long setting) {
  state_->Settings().openSetting = setting;
}
long LnsSystem::GetOpenSetting() const {
  return state_->Settings().openSetting;
}

LnsSystem LnsSystems::Item(long position) const {
  state_->RequireNetworkOpen();
  CheckPosition(position, 1, "the systems of the network \"" + state_->Name() + "\"");
  return LnsSystem(state_);
}

LnsSystem LnsSystems::Item(std::string_view name) const {
  LnsSystem system(state_);
  if (!SameName(system.GetName(), name))
    ThrowNoItemNamed("the network \"" + state_->Name() + "\"", "system", name);
  return system;
}

}  // namespace lns
