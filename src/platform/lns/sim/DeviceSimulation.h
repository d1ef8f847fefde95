#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace sqlite {
class Database;
}  // namespace sqlite

namespace lns {

class NetworkState;

// How often a simulated device's outputs move while its system is open.
inline constexpr int kSimulationTickMs = 2000;

// Which devices live: a table of their own, made when the first is switched on, so that a network where
// none ever was is read without writing.
bool AnyDeviceSimulated(sqlite::Database& db);
bool IsDeviceSimulated(sqlite::Database& db, std::int64_t deviceId);
void PutDeviceSimulated(sqlite::Database& db, std::int64_t deviceId, bool simulated);

// One step of every simulated device of the open system that is online and free of faults: its occupancy
// outputs (the occupancy and its switch form) toggle together now and then, its light level drifts, its room
// temperature moves toward the set point and its unit status heats or cools accordingly. `tick` counts the
// steps. A device without such outputs, or one that cannot be written (a read-only root), is left as it is.
void SimulateDevices(const std::shared_ptr<NetworkState>& state, std::int64_t tick);

}  // namespace lns
