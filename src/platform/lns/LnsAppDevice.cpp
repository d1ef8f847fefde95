#include "platform/lns/LnsAppDevice.h"

#include "platform/lns/DeviceStates.h"
#include "platform/lns/LnsCollection.h"
#include "platform/lns/LnsDeviceTemplate.h"
#include "platform/lns/LnsError.h"
#include "platform/lns/LnsInterface.h"
#include "platform/lns/LnsSubsystem.h"
#include "platform/lns/resources/TemplateInterface.h"
#include "platform/lns/sim/DeviceSimulation.h"
#include "platform/lns/storage/DeviceRecord.h"
#include "platform/lns/storage/NetworkState.h"
#include "platform/sqlite/Database.h"
#include "platform/sqlite/Transaction.h"

namespace lns {

std::string LnsAppDevice::GetName() const {
  return LoadDevice(state_->Database(), id_).name;
}
std::string LnsAppDevice::GetNeuronId() const {
  return LoadDevice(state_->Database(), id_).neuronId;
}
long LnsAppDevice::GetNodeId() const {
  return static_cast<long>(LoadDevice(state_->Database(), id_).id);
}
std::string LnsAppDevice::GetProgramId() const {
  return LoadDevice(state_->Database(), id_).programId;
}
long LnsAppDevice::GetState() const {
  return LoadDevice(state_->Database(), id_).state;
}
bool LnsAppDevice::GetCommissioned() const {
  return LoadDevice(state_->Database(), id_).commissioned;
}
bool LnsAppDevice::GetStateUnknownFlag() const {
  return LoadDevice(state_->Database(), id_).stateUnknown;
}

LnsInterface LnsAppDevice::GetInterface() const {
  DeviceRecord device = LoadDevice(state_->Database(), id_);
  return LnsInterface(InterfaceRef{state_, id_, device.templateId,
                                   state_->Interface(device.templateId, device.templateRevision)});
}

LnsSubsystems LnsAppDevice::GetSubsystems() const {
  DeviceRecord device = LoadDevice(state_->Database(), id_);
  LnsSubsystem subsystem(state_, device.subsystemId);
  return LnsSubsystems(state_, {{device.subsystemId, subsystem.GetName()}},
                       "the device \"" + device.name + "\"");
}

LnsDeviceTemplate LnsAppDevice::GetTemplate() const {
  return LnsDeviceTemplate(state_, LoadDevice(state_->Database(), id_).templateId);
}

void LnsAppDevice::PutState(long state) {
  if (DeviceStateName(state) == "?") {
    throw LnsError(kLnsInvalidArgument,
                   "device state " + std::to_string(state) + " is not one of 2, 3, 4, 6, 12 and 140");
  }
  UpdateDevice(state_->Database(), id_, "state", state);
}

void LnsAppDevice::PutCommissioned(bool commissioned) {
  UpdateDevice(state_->Database(), id_, "commissioned", commissioned);
}

void LnsAppDevice::PutStateUnknownFlag(bool unknown) {
  UpdateDevice(state_->Database(), id_, "state_unknown", unknown);
}

DeviceFault LnsAppDevice::GetFault() const {
  DeviceRecord device = LoadDevice(state_->Database(), id_);
  return DeviceFault{device.refuseWrites, device.timesOut};
}

void LnsAppDevice::PutFault(const DeviceFault& fault) {
  if (fault.refuseWrites < 0)
    throw LnsError(kLnsInvalidArgument, "a device cannot refuse a negative number of writes");
  sqlite::Database& db = state_->Database();
  sqlite::Transaction transaction(db);
  UpdateDevice(db, id_, "refuse_writes", fault.refuseWrites);
  UpdateDevice(db, id_, "times_out", fault.timesOut);
  transaction.Commit();
}

bool LnsAppDevice::GetSimulated() const {
  return IsDeviceSimulated(state_->Database(), id_);
}

void LnsAppDevice::PutSimulated(bool simulated) {
  sqlite::Database& db = state_->Database();
  LoadDevice(db, id_);
  PutDeviceSimulated(db, id_, simulated);
  if (simulated) state_->StartSimulation();
}

LnsAppDevices::LnsAppDevices(std::shared_ptr<NetworkState> state, std::vector<Entry> entries,
                             std::string owner, std::int64_t subsystemId)
    : state_(std::move(state)),
      entries_(std::move(entries)),
      owner_(std::move(owner)),
      subsystemId_(subsystemId) {}

LnsAppDevices LnsAppDevices::InSubsystem(std::shared_ptr<NetworkState> state, std::int64_t subsystemId) {
  LnsSubsystem subsystem(state, subsystemId);
  auto entries = ReadNamedRows(state->Database().Query(
      "SELECT id, name FROM devices WHERE subsystem_id = ? ORDER BY id", subsystemId));
  std::string owner = "the subsystem \"" + subsystem.GetName() + "\"";
  return LnsAppDevices(std::move(state), std::move(entries), std::move(owner), subsystemId);
}

LnsAppDevices LnsAppDevices::OfTemplate(std::shared_ptr<NetworkState> state, std::int64_t templateId) {
  auto entries = ReadNamedRows(
      state->Database().Query("SELECT id, name FROM devices WHERE template_id = ? ORDER BY id", templateId));
  return LnsAppDevices(std::move(state), std::move(entries), "the device template", 0);
}

const std::vector<LnsAppDevices::Entry>& LnsAppDevices::Listed() const {
  state_->RequireSystemOpen();
  return entries_;
}

LnsAppDevice LnsAppDevices::Add(std::string_view name, const LnsDeviceTemplate& deviceTemplate) {
  if (subsystemId_ == 0) throw LnsError(kLnsInvalidArgument, "devices cannot be added to " + owner_);
  if (deviceTemplate.state_ != state_) {
    throw LnsError(kLnsInvalidArgument, "the device template belongs to another network");
  }
  if (name.find('/') != std::string_view::npos)
    throw LnsError(kLnsInvalidArgument, "a device name cannot hold \"/\"");
  if (deviceTemplate.GetProgramId().empty()) {
    throw LnsError(kLnsInvalidArgument, "the device template \"" + deviceTemplate.GetName() +
                                            "\" has no interface yet; import one first");
  }
  std::int64_t id = InsertDevice(state_->Database(), subsystemId_, deviceTemplate.id_, name);
  entries_.push_back({id, std::string(name)});
  return LnsAppDevice(state_, id);
}

}  // namespace lns
