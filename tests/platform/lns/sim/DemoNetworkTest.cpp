#include <gtest/gtest.h>

#include "../LnsDemo.h"
#include "../LnsTestErrors.h"
#include "platform/lns/sim/DemoNetwork.h"

namespace {

struct Expected {
  const char* floor;
  const char* name;
  const char* programId;
  long state;
};

const Expected kDevices[] = {
    {"Floor 1", "Room 101", "9FFF6E0A5A060409", lns::kStateConfiguredOnline},
    {"Floor 1", "Room 102", "9FFF6E0A5A060409", lns::kStateConfiguredOnline},
    {"Floor 1", "Room 103", "9FFF6E0A5A060409", lns::kStateConfiguredOffline},
    {"Floor 1", "Room 104", "9FFF6E0A5A06040B", lns::kStateConfiguredOnline},
    {"Floor 2", "Room 201", "9FFF6E0A5A060408", lns::kStateConfiguredOnline},
    {"Floor 2", "Room 202", "9FFF6E0A5A06040A", lns::kStateConfiguredOnline},
    {"Floor 2", "Room 203", "9FFF6E0A5A06040A", lns::kStateUnconfigured},
    {"Floor 2", "Meter 1", "9000C3220C050401", lns::kStateConfiguredOnline},
};

TEST(DemoNetworkTest, HoldsTheDevicesOfAllModelsInTheirStates) {
  lnstest::LnsDemo demo;
  lns::LnsSubsystems floors = demo.System().GetSubsystems();
  ASSERT_EQ(floors.Count(), 2);
  EXPECT_EQ(floors.Item("Floor 1").GetAppDevices().Count(), 4);
  EXPECT_EQ(floors.Item("Floor 2").GetAppDevices().Count(), 4);
  for (const Expected& expected : kDevices) {
    lns::LnsAppDevice device = demo.Device(expected.floor, expected.name);
    EXPECT_EQ(device.GetProgramId(), expected.programId) << expected.name;
    EXPECT_EQ(device.GetState(), expected.state) << expected.name;
    EXPECT_TRUE(device.GetCommissioned()) << expected.name;
    EXPECT_FALSE(device.GetStateUnknownFlag()) << expected.name;
  }
  EXPECT_EQ(lnstest::ErrorNumberOf([&] { lns::CreateDemoNetwork(demo.Root(), lnstest::InterfaceFolder()); }),
            lns::kLnsAlreadyExists);
}

TEST(DemoNetworkTest, DevicesHoldTheirTemplatesDeliveredValues) {
  lnstest::LnsDemo demo;
  for (const char* room : {"Room 101", "Room 104"}) {
    lns::LnsAppDevice device = demo.Device("Floor 1", room);
    lns::LnsLonMarkObjects deviceBlocks = device.GetInterface().GetLonMarkObjects();
    lns::LnsLonMarkObjects templateBlocks = device.GetTemplate().GetInterface().GetLonMarkObjects();
    int compared = 0;
    for (long block = 1; block <= deviceBlocks.Count(); ++block) {
      lns::LnsConfigProperties values = deviceBlocks.Item(block).GetConfigProperties();
      lns::LnsConfigProperties delivered = templateBlocks.Item(block).GetConfigProperties();
      ASSERT_EQ(values.Count(), delivered.Count());
      for (long i = 1; i <= values.Count(); ++i, ++compared) {
        EXPECT_EQ(values.Item(i).GetValue(), delivered.Item(i).GetValue()) << room << " block " << block - 1;
      }
    }
    EXPECT_EQ(compared, 51);  // 56 rows less the five properties of network variables
  }
  lns::DeviceInterface file = lns::ReadDeviceInterface(lnstest::InterfaceFolder() / "qvrl105.xif");
  lns::LnsNetworkVariables nvs = demo.Device("Floor 2", "Room 201").GetInterface().GetNetworkVariables();
  for (const lns::NvDefinition& nv : file.networkVariables) {
    const lns::LonType& type = lns::FindLonType(nv.type);
    EXPECT_EQ(nvs.ItemByIndex(nv.index).GetValue(), type.Format(type.Parse(nv.initial, "."), ".")) << nv.name;
  }
}

}  // namespace
