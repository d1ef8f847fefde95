#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "../LnsDemo.h"
#include "platform/lns/sim/DeviceSimulation.h"

namespace {

// Network-variable indexes of a qvrl206 (Room 101, Room 102).
constexpr int kLuxLevel = 3;
constexpr int kOccupancy = 6;
constexpr int kOccupancySwitch = 7;
constexpr int kLampSwitch = 12;
constexpr int kEffectiveOccupancy = 39;
constexpr int kSetPoint = 28;
constexpr int kSpaceTemperature = 34;
constexpr int kUnitStatus = 35;

std::string Value(const lns::LnsAppDevice& device, int index) {
  return device.GetInterface().GetNetworkVariables().ItemByIndex(index).GetValue();
}

std::vector<std::string> Outputs(const lns::LnsAppDevice& device) {
  std::vector<std::string> values;
  for (int index : {kLuxLevel, kOccupancy, kSpaceTemperature, kUnitStatus})
    values.push_back(Value(device, index));
  return values;
}

// A simulated device lives on the event loop (here on its virtual clock); the others keep their values.
TEST(DeviceSimulation, SimulatedDevicesLiveOnTheEventLoop) {
  lnstest::LnsDemo demo;
  lns::LnsAppDevice room101 = demo.Device("Floor 1", "Room 101");
  lns::LnsAppDevice room102 = demo.Device("Floor 1", "Room 102");
  const auto still = Outputs(room102);
  EXPECT_FALSE(room101.GetSimulated());
  room101.PutSimulated(true);
  EXPECT_TRUE(room101.GetSimulated());
  EXPECT_EQ(Outputs(room101), Outputs(room102)) << "nothing changes before the loop runs";

  std::set<std::string> occupancy, light;
  auto tick = [&](int ticks) {
    for (int i = 0; i < ticks; ++i) {
      demo.Loop().Advance(lns::kSimulationTickMs);
      occupancy.insert(Value(room101, kOccupancy));
      const bool occupied = Value(room101, kOccupancy) == "OC_OCCUPIED";
      EXPECT_EQ(Value(room101, kOccupancySwitch), occupied ? "100.0 1" : "0.0 0");
      // The occupancy controller follows the sensor from its first change on.
      if (occupancy.size() > 1) {
        EXPECT_EQ(Value(room101, kEffectiveOccupancy), Value(room101, kOccupancy));
        EXPECT_EQ(Value(room101, kLampSwitch), occupied ? "100.0 1" : "0.0 0");
      }
      light.insert(Value(room101, kLuxLevel));
    }
  };
  tick(12);
  EXPECT_EQ(occupancy, (std::set<std::string>{"OC_OCCUPIED", "OC_UNOCCUPIED"}));
  EXPECT_GE(light.size(), 5u);
  EXPECT_EQ(Outputs(room102), still);

  // The unit status follows the set point as the room reaches it.
  lns::LnsNetworkVariable setPoint = room101.GetInterface().GetNetworkVariables().ItemByIndex(kSetPoint);
  setPoint.PutValue("25.00");
  tick(2);
  EXPECT_EQ(Value(room101, kUnitStatus).rfind("HVAC_HEAT ", 0), 0u) << Value(room101, kUnitStatus);
  tick(40);
  EXPECT_EQ(Value(room101, kSpaceTemperature), "25.00");
  setPoint.PutValue("18.00");
  tick(2);
  EXPECT_EQ(Value(room101, kUnitStatus).rfind("HVAC_COOL ", 0), 0u) << Value(room101, kUnitStatus);

  room101.PutSimulated(false);
  const auto stopped = Outputs(room101);
  tick(10);
  EXPECT_EQ(Outputs(room101), stopped);
}

}  // namespace
