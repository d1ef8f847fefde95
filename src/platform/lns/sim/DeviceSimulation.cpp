#include "platform/lns/sim/DeviceSimulation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "platform/lns/LnsAppDevice.h"
#include "platform/lns/LnsError.h"
#include "platform/lns/LnsInterface.h"
#include "platform/lns/LnsNetworkVariable.h"
#include "platform/lns/storage/DeviceRecord.h"
#include "platform/lns/storage/NetworkState.h"
#include "platform/lns/storage/ServerState.h"
#include "platform/sqlite/Database.h"
#include "platform/sqlite/Transaction.h"

namespace lns {

namespace {

constexpr std::int64_t kTicksPerOccupancyToggle = 5;
constexpr std::int64_t kTicksPerLightSwing = 8;
constexpr double kLuxStep = 25.0;
constexpr double kTemperatureStep = 0.1;
constexpr double kTemperatureBand = 0.2;
constexpr double kInvalidSetPoint = 327.67;

std::optional<LnsNetworkVariable> Find(const LnsNetworkVariables& variables, const char* name) {
  for (long position = 1; position <= variables.Count(); ++position) {
    LnsNetworkVariable variable = variables.Item(position);
    if (variable.GetName() == name) return variable;
  }
  return std::nullopt;
}

// Numbers as the values show them, with the user's decimal separator.
double ParseNumber(std::string text, const std::string& separator) {
  if (separator != ".") {
    if (auto at = text.find(separator); at != std::string::npos) text.replace(at, separator.size(), ".");
  }
  return std::stod(text);
}

std::string FormatNumber(double value, int decimals, const std::string& separator) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  std::string formatted(text);
  if (auto at = formatted.find('.'); at != std::string::npos) formatted.replace(at, 1, separator);
  return formatted;
}

// The sensor's switch output tells the same occupancy as its occupancy output: 100.0 1 occupied, 0.0 0 not.
// The occupancy controller follows the sensor: its effective occupancy and its lamp switch.
void ToggleOccupancy(const LnsNetworkVariables& variables) {
  auto occupancy = Find(variables, "nvoOsOccup");
  if (!occupancy) return;
  const bool occupied = occupancy->GetValue() != "OC_OCCUPIED";
  const char* state = occupied ? "OC_OCCUPIED" : "OC_UNOCCUPIED";
  const char* asSwitch = occupied ? "100.0 1" : "0.0 0";
  occupancy->PutValue(state);
  for (const char* name : {"nvoOsSWOccup", "nvoOcLampValue"}) {
    if (auto variable = Find(variables, name)) variable->PutValue(asSwitch);
  }
  if (auto effective = Find(variables, "nvoOccupEffect")) effective->PutValue(state);
}

void DriftLight(LnsNetworkVariable& light, std::int64_t tick, const std::string& separator) {
  const double step = (tick / kTicksPerLightSwing) % 2 == 0 ? kLuxStep : -kLuxStep;
  light.PutValue(FormatNumber(std::max(0.0, ParseNumber(light.GetValue(), separator) + step), 0, separator));
}

// The room warms or cools toward the set point; the unit heats below it and cools above it.
void FollowSetPoint(const LnsNetworkVariables& variables, const std::string& separator) {
  auto space = Find(variables, "nvoSpaceTemp");
  auto status = Find(variables, "nvoUnitStatus");
  auto effective = Find(variables, "nvoSetptEffect");
  if (!space || !status || !effective) return;
  double target = ParseNumber(effective->GetValue(), separator);
  if (auto setPoint = Find(variables, "nviSetpoint")) {
    const double asked = ParseNumber(setPoint->GetValue(), separator);
    if (std::abs(asked - kInvalidSetPoint) > 0.001) target = asked;
  }
  const double temperature = ParseNumber(space->GetValue(), separator);
  const double moved = temperature < target ? std::min(target, temperature + kTemperatureStep)
                                            : std::max(target, temperature - kTemperatureStep);
  space->PutValue(FormatNumber(moved, 2, separator));
  const char* mode = moved < target - kTemperatureBand   ? "HVAC_HEAT"
                     : moved > target + kTemperatureBand ? "HVAC_COOL"
                                                         : nullptr;
  if (!mode) return;
  std::string text = status->GetValue();
  status->PutValue(mode + text.substr(std::min(text.find(' '), text.size())));
}

void Simulate(LnsAppDevice& device, std::int64_t tick, const std::string& separator) {
  const LnsNetworkVariables variables = device.GetInterface().GetNetworkVariables();
  if (tick % kTicksPerOccupancyToggle == 0) ToggleOccupancy(variables);
  if (auto light = Find(variables, "nvoLsLuxLevel")) DriftLight(*light, tick, separator);
  FollowSetPoint(variables, separator);
}

}  // namespace

bool AnyDeviceSimulated(sqlite::Database& db) {
  return db.Query("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'simulated_devices'").Step();
}

bool IsDeviceSimulated(sqlite::Database& db, std::int64_t deviceId) {
  return AnyDeviceSimulated(db) &&
         db.Query("SELECT 1 FROM simulated_devices WHERE device_id = ?", deviceId).Step();
}

void PutDeviceSimulated(sqlite::Database& db, std::int64_t deviceId, bool simulated) {
  if (!simulated && !AnyDeviceSimulated(db)) return;
  sqlite::Transaction transaction(db);
  db.Execute("CREATE TABLE IF NOT EXISTS simulated_devices (device_id INTEGER PRIMARY KEY)");
  if (simulated) {
    db.Run("INSERT OR IGNORE INTO simulated_devices (device_id) VALUES (?)", deviceId);
  } else {
    db.Run("DELETE FROM simulated_devices WHERE device_id = ?", deviceId);
  }
  transaction.Commit();
}

void SimulateDevices(const std::shared_ptr<NetworkState>& state, std::int64_t tick) {
  sqlite::Database& db = state->Database();
  if (!AnyDeviceSimulated(db)) return;
  std::vector<std::int64_t> ids;
  auto query = db.Query("SELECT device_id FROM simulated_devices ORDER BY device_id");
  while (query.Step()) ids.push_back(query.Int(0));
  const std::string& separator = state->Server().DecimalSeparator();
  for (std::int64_t id : ids) {
    try {
      const DeviceRecord record = LoadDevice(db, id);
      if (!record.Online() || record.timesOut || record.refuseWrites > 0) continue;
      LnsAppDevice device(state, id);
      Simulate(device, tick, separator);
    } catch (const LnsError&) {
      // A device removed meanwhile, or a root that cannot be written: it stays as it is.
    }
  }
}

}  // namespace lns
