#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/lns/sim/ChannelTiming.h"
#include "platform/lns/types/LonTypes.h"

namespace sqlite {
class Database;
}  // namespace sqlite

namespace lns {

// A device as its network database holds it, with what the device link needs to know of the system.
struct DeviceRecord {
  std::int64_t id = 0;
  std::int64_t subsystemId = 0;
  std::int64_t templateId = 0;
  std::int64_t templateRevision = 0;
  std::string name;
  std::string programId;
  std::string neuronId;
  long state = 0;
  bool commissioned = false;
  bool stateUnknown = false;
  long refuseWrites = 0;  // injected fault: writes still to be refused
  bool timesOut = false;  // injected fault: the device does not answer
  long networkMode = 0;   // of the device's system

  // The device answers on the network: the system is on-net, the device commissioned and configured online.
  bool Online() const;
};

// Loads a device; throws LnsError (kLnsNotFound) when it no longer exists.
DeviceRecord LoadDevice(sqlite::Database& db, std::int64_t id);

// The devices of a subsystem, in the order they were created.
std::vector<DeviceRecord> LoadSubsystemDevices(sqlite::Database& db, std::int64_t subsystemId);

// A device with one of its stored values (none when the value was never written) and the channel's timing,
// read in one go.
struct DeviceValue {
  DeviceRecord device;
  std::optional<RawValue> stored;
  ChannelTiming timing = ChannelTiming::None;
};
// Loads a device, its value `kind`/`number` and, when the database has its table, the channel's timing;
// throws as LoadDevice does.
DeviceValue LoadDeviceValue(sqlite::Database& db, std::int64_t id, int kind, int number,
                            bool hasChannelTable);

// Inserts a device of a template into a subsystem: not commissioned, unconfigured, with a Neuron ID made from
// its number. Throws LnsError (kLnsAlreadyExists) when the subsystem has a device of that name.
std::int64_t InsertDevice(sqlite::Database& db, std::int64_t subsystemId, std::int64_t templateId,
                          std::string_view name);

// Sets one of the device's own columns ("state", "commissioned", "state_unknown", "refuse_writes",
// "times_out").
void UpdateDevice(sqlite::Database& db, std::int64_t id, std::string_view column, std::int64_t value);

}  // namespace lns
