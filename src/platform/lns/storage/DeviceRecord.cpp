#include "platform/lns/storage/DeviceRecord.h"

#include <cstdio>

#include "platform/lns/DeviceStates.h"
#include "platform/lns/LnsError.h"
#include "platform/sqlite/Database.h"
#include "platform/sqlite/Transaction.h"

namespace lns {

namespace {

// The Neuron IDs of this substitute's devices: a fixed maker part and the device's number.
std::string NeuronIdFor(std::int64_t deviceId) {
  char text[16];
  std::snprintf(text, sizeof text, "05%010llX", static_cast<unsigned long long>(0x00A1000000LL + deviceId));
  return text;
}

}  // namespace

bool DeviceRecord::Online() const {
  return networkMode == kNetworkModeOnNet && commissioned && state == kStateConfiguredOnline;
}

namespace {

// The device's row, its template's and the system's, as the first columns of a query.
constexpr const char* kDeviceColumns =
    "SELECT d.id, d.subsystem_id, d.template_id, t.revision, d.name, t.program_id, d.neuron_id, d.state, "
    "d.commissioned, d.state_unknown, d.refuse_writes, d.times_out, s.network_mode";
constexpr const char* kDeviceJoins =
    " FROM devices d JOIN templates t ON t.id = d.template_id JOIN system s ON s.id = 1";
constexpr int kDeviceColumnCount = 13;

DeviceRecord RecordFrom(const sqlite::Statement& query) {
  DeviceRecord device;
  device.id = query.Int(0);
  device.subsystemId = query.Int(1);
  device.templateId = query.Int(2);
  device.templateRevision = query.Int(3);
  device.name = query.Text(4);
  device.programId = query.Text(5);
  device.neuronId = query.Text(6);
  device.state = static_cast<long>(query.Int(7));
  device.commissioned = query.Int(8) != 0;
  device.stateUnknown = query.Int(9) != 0;
  device.refuseWrites = static_cast<long>(query.Int(10));
  device.timesOut = query.Int(11) != 0;
  device.networkMode = static_cast<long>(query.Int(12));
  return device;
}

// The queries' texts, made once: every getter of a device runs one of them.
const std::string& DeviceQuery() {
  static const std::string sql = std::string(kDeviceColumns) + kDeviceJoins + " WHERE d.id = ?";
  return sql;
}

const std::string& DeviceValueQuery(bool hasChannelTable) {
  auto text = [](bool withTable) {
    return std::string(kDeviceColumns) + ", v.raw, v.device_id IS NOT NULL, " +
           ChannelTimingColumn(withTable) + kDeviceJoins +
           " LEFT JOIN device_values v ON v.device_id = d.id AND v.kind = ? AND v.number = ? WHERE d.id = ?";
  };
  static const std::string withTable = text(true);
  static const std::string withoutTable = text(false);
  return hasChannelTable ? withTable : withoutTable;
}

[[noreturn]] void ThrowDeviceGone() {
  throw LnsError(kLnsNotFound, "the device no longer exists in the network");
}

}  // namespace

DeviceRecord LoadDevice(sqlite::Database& db, std::int64_t id) {
  auto query = db.Query(DeviceQuery(), id);
  if (!query.Step()) ThrowDeviceGone();
  return RecordFrom(query);
}

std::vector<DeviceRecord> LoadSubsystemDevices(sqlite::Database& db, std::int64_t subsystemId) {
  auto query = db.Query(
      std::string(kDeviceColumns) + kDeviceJoins + " WHERE d.subsystem_id = ? ORDER BY d.id", subsystemId);
  std::vector<DeviceRecord> devices;
  while (query.Step()) devices.push_back(RecordFrom(query));
  return devices;
}

DeviceValue LoadDeviceValue(sqlite::Database& db, std::int64_t id, int kind, int number,
                            bool hasChannelTable) {
  auto query = db.Query(DeviceValueQuery(hasChannelTable), kind, number, id);
  if (!query.Step()) ThrowDeviceGone();
  DeviceValue result{RecordFrom(query), std::nullopt, ChannelTimingOf(query.Text(kDeviceColumnCount + 2))};
  if (query.Int(kDeviceColumnCount + 1) != 0) result.stored = query.Blob(kDeviceColumnCount);
  return result;
}

std::int64_t InsertDevice(sqlite::Database& db, std::int64_t subsystemId, std::int64_t templateId,
                          std::string_view name) {
  if (name.empty()) throw LnsError(kLnsInvalidArgument, "a device needs a name");
  sqlite::Transaction transaction(db);
  if (db.Query("SELECT 1 FROM devices WHERE subsystem_id = ? AND name = ?", subsystemId, name).Step()) {
    throw LnsError(kLnsAlreadyExists,
                   "the subsystem has a device named \"" + std::string(name) + "\" already");
  }
  db.Run(
      "INSERT INTO devices (subsystem_id, template_id, name, neuron_id, state, commissioned) "
      "VALUES (?, ?, ?, '', ?, 0)",
      subsystemId, templateId, name, static_cast<long>(kStateUnconfigured));
  std::int64_t id = db.LastInsertId();
  db.Run("UPDATE devices SET neuron_id = ? WHERE id = ?", NeuronIdFor(id), id);
  transaction.Commit();
  return id;
}

void UpdateDevice(sqlite::Database& db, std::int64_t id, std::string_view column, std::int64_t value) {
  static const char* const kColumns[] = {"state", "commissioned", "state_unknown", "refuse_writes",
                                         "times_out"};
  for (const char* known : kColumns) {
    if (column != known) continue;
    sqlite::Transaction transaction(db);
    db.Run(std::string("UPDATE devices SET ") + known + " = ? WHERE id = ?", value, id);
    if (db.Changes() == 0) throw LnsError(kLnsNotFound, "the device no longer exists in the network");
    transaction.Commit();
    return;
  }
  throw LnsError(kLnsInvalidArgument, "a device has no setting " + std::string(column));
}

}  // namespace lns
