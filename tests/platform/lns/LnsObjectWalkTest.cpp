// The walks by which the system finds its objects from the open system down.
#include <gtest/gtest.h>

#include <set>

#include "LnsDemo.h"
#include "LnsTestErrors.h"

namespace {

using lnstest::ErrorNumberOf;

TEST(LnsObjectWalkTest, SubsystemsAndDevicesByNameAndPosition) {
  lnstest::LnsDemo demo;
  lns::LnsSubsystems floors = demo.System().GetSubsystems();
  ASSERT_EQ(floors.Count(), 2);
  EXPECT_EQ(floors.Item(1).GetName(), "Floor 1");
  EXPECT_EQ(floors.Item("FLOOR 2").GetName(), "Floor 2");
  EXPECT_EQ(ErrorNumberOf([&] { floors.Item("Floor 9"); }), lns::kLnsNotFound);
  EXPECT_EQ(ErrorNumberOf([&] { floors.Item("Floor 1 "); }), lns::kLnsNotFound);  // blanks count

  lns::LnsAppDevices devices = floors.Item("Floor 1").GetAppDevices();
  ASSERT_EQ(devices.Count(), 4);
  const char* names[] = {"Room 101", "Room 102", "Room 103", "Room 104"};
  std::set<long> nodeIds;
  std::set<std::string> neuronIds;
  for (long i = 1; i <= 4; ++i) {
    lns::LnsAppDevice device = devices.Item(i);
    EXPECT_EQ(device.GetName(), names[i - 1]);
    nodeIds.insert(device.GetNodeId());
    std::string neuronId = device.GetNeuronId();
    EXPECT_EQ(neuronId.size(), 12u);
    EXPECT_EQ(neuronId.find_first_not_of("0123456789ABCDEF"), std::string::npos) << neuronId;
    neuronIds.insert(neuronId);
  }
  EXPECT_EQ(nodeIds.size(), 4u);
  EXPECT_EQ(neuronIds.size(), 4u);
  EXPECT_EQ(ErrorNumberOf([&] { devices.Item(5); }), lns::kLnsNotFound);
  EXPECT_EQ(ErrorNumberOf([&] { devices.Item("Room 201"); }), lns::kLnsNotFound);
  EXPECT_EQ(lnstest::ErrorTextOf([&] { devices.Item(0); }),
            "item 0 does not exist: the devices of the subsystem \"Floor 1\" hold 4 items");
  EXPECT_EQ(lnstest::ErrorTextOf([&] { devices.Item("Room 201"); }),
            "the subsystem \"Floor 1\" has no device named \"Room 201\"");

  lns::LnsAppDevice room = devices.Item("room 104");
  EXPECT_EQ(room.GetProgramId(), "9FFF6E0A5A06040B");
  lns::LnsSubsystems own = room.GetSubsystems();
  ASSERT_EQ(own.Count(), 1);
  EXPECT_EQ(own.Item(1).GetPath(), "Floor 1");
  EXPECT_EQ(ErrorNumberOf([&] { own.Add("Elsewhere"); }), lns::kLnsInvalidArgument);
}

TEST(LnsObjectWalkTest, NestedSubsystemsHaveTheirPath) {
  lnstest::LnsDemo demo;
  lns::LnsSubsystem floor = demo.System().GetSubsystems().Item("Floor 1");
  lns::LnsSubsystems wings = floor.GetSubsystems();
  EXPECT_EQ(wings.Count(), 0);
  lns::LnsSubsystem wing = wings.Add("Wing A");
  EXPECT_EQ(wings.Count(), 1);
  EXPECT_EQ(ErrorNumberOf([&] { wings.Add("wing a"); }), lns::kLnsAlreadyExists);
  EXPECT_EQ(ErrorNumberOf([&] { wings.Add("A/B"); }), lns::kLnsInvalidArgument);
  lns::LnsDeviceTemplate qvrl207 = demo.System().GetTemplateLibrary().GetDeviceTemplates().Item("qvrl207");
  lns::LnsAppDevice device = wing.GetAppDevices().Add("Room 105", qvrl207);
  EXPECT_EQ(device.GetSubsystems().Item(1).GetPath(), "Floor 1/Wing A");
  EXPECT_EQ(floor.GetSubsystems().Item("Wing A").GetAppDevices().Item(1).GetName(), "Room 105");
  EXPECT_FALSE(device.GetCommissioned());
  EXPECT_EQ(device.GetState(), lns::kStateUnconfigured);
  EXPECT_EQ(ErrorNumberOf([&] { wing.GetAppDevices().Add("Room 105", qvrl207); }), lns::kLnsAlreadyExists);
  EXPECT_EQ(ErrorNumberOf([&] { wing.GetAppDevices().Add("A/B", qvrl207); }), lns::kLnsInvalidArgument);
}

TEST(LnsObjectWalkTest, InterfaceAndLonMarkObjects) {
  lnstest::LnsDemo demo;
  lns::LnsInterface large = demo.Device("Floor 1", "Room 101").GetInterface();
  lns::LnsLonMarkObjects blocks = large.GetLonMarkObjects();
  ASSERT_EQ(blocks.Count(), 8);
  EXPECT_EQ(blocks.Item(1).GetIndex(), 0);
  EXPECT_EQ(blocks.Item(4).GetName(), "OccupController");
  EXPECT_EQ(blocks.Item(7).GetName(), "SCC");
  EXPECT_EQ(blocks.Item("scc").GetProfileType(), 8500);
  EXPECT_EQ(blocks.Item("LightController[1]").GetIndex(), 5);
  EXPECT_EQ(ErrorNumberOf([&] { blocks.Item(9); }), lns::kLnsNotFound);
  EXPECT_EQ(ErrorNumberOf([&] { blocks.Item("Heater"); }), lns::kLnsNotFound);

  lns::LnsLonMarkObjects small = demo.Device("Floor 2", "Room 202").GetInterface().GetLonMarkObjects();
  ASSERT_EQ(small.Count(), 7);
  EXPECT_EQ(small.Item(7).GetName(), "Switch");

  lns::LnsNetworkVariables nvs = large.GetNetworkVariables();
  EXPECT_EQ(nvs.Item("NVOSPACETEMP").GetIndex(), 34);
  EXPECT_EQ(nvs.Item(1).GetIndex(), 3);
  EXPECT_EQ(ErrorNumberOf([&] { nvs.ItemByIndex(48); }), lns::kLnsNotFound);
  EXPECT_EQ(ErrorNumberOf([&] { nvs.Item(nvs.Count() + 1); }), lns::kLnsNotFound);
  EXPECT_EQ(large.GetConfigProperties().Count(), 0);  // the models have no properties of the device itself
  EXPECT_EQ(ErrorNumberOf([&] { large.GetConfigProperties().Item(1); }), lns::kLnsNotFound);

  lns::LnsLonMarkObject block = blocks.Item(4);
  EXPECT_EQ(block.GetMode(), 0);
  block.PutMode(6);
  EXPECT_EQ(demo.Device("Floor 1", "Room 101").GetInterface().GetLonMarkObjects().Item(4).GetMode(), 6);
  EXPECT_EQ(demo.Device("Floor 1", "Room 102").GetInterface().GetLonMarkObjects().Item(4).GetMode(), 0);
  EXPECT_EQ(ErrorNumberOf([&] { block.PutMode(7); }), lns::kLnsInvalidArgument);
}

TEST(LnsObjectWalkTest, TemplateLibraryListsEachTemplatesDevices) {
  lnstest::LnsDemo demo;
  lns::LnsDeviceTemplates templates = demo.System().GetTemplateLibrary().GetDeviceTemplates();
  EXPECT_EQ(templates.Count(), 5);
  lns::LnsDeviceTemplate qvrl206 = templates.Item("9FFF6E0A5A060409");
  EXPECT_EQ(qvrl206.GetName(), "qvrl206");
  EXPECT_EQ(templates.Item("QVRL206").GetProgramId(), "9FFF6E0A5A060409");
  EXPECT_EQ(ErrorNumberOf([&] { templates.Item("9FFF6E0A5A06040C"); }), lns::kLnsNotFound);

  lns::LnsAppDevices devices = qvrl206.GetAppDevices();
  ASSERT_EQ(devices.Count(), 3);
  EXPECT_EQ(devices.Item(1).GetName(), "Room 101");
  EXPECT_EQ(devices.Item(3).GetName(), "Room 103");
  EXPECT_EQ(devices.Item(2).GetNodeId(), demo.Device("Floor 1", "Room 102").GetNodeId());
  EXPECT_EQ(devices.Item(1).GetSubsystems().Item(1).GetName(), "Floor 1");
  EXPECT_EQ(ErrorNumberOf([&] { devices.Add("Room 109", qvrl206); }), lns::kLnsInvalidArgument);
  EXPECT_EQ(templates.Item("qvrl106").GetAppDevices().Count(), 2);
  EXPECT_EQ(demo.Device("Floor 2", "Meter 1").GetTemplate().GetName(), "em210");
}

TEST(LnsObjectWalkTest, TheOtherCollectionsOfTheWalk) {
  lnstest::LnsDemo demo;
  EXPECT_EQ(demo.Network().GetChannels().Item("channel 1").GetName(), "Channel 1");
  EXPECT_EQ(demo.Network().GetNetworkServiceDevices().Count(), 1);
  EXPECT_EQ(demo.System().GetSubnets().Item(1).GetName(), "Subnet 1");
  lns::LnsRouters routers = demo.System().GetSubsystems().Item(1).GetRouters();
  EXPECT_EQ(routers.Count(), 0);
  EXPECT_EQ(ErrorNumberOf([&] { routers.Item(1); }), lns::kLnsNotFound);
  lns::LnsTemplateLibrary library = demo.System().GetTemplateLibrary();
  EXPECT_EQ(library.GetProgramTemplates().Count(), 0);
  EXPECT_EQ(library.GetHardwareTemplates().Count(), 0);
  EXPECT_EQ(library.GetBuildTemplates().Count(), 0);
  EXPECT_EQ(ErrorNumberOf([&] { library.GetConnectionDescriptionTemplates().Item("Any"); }),
            lns::kLnsNotFound);
  EXPECT_EQ(demo.System().GetConnections().Count(), 0);
  EXPECT_FALSE(demo.System().GetRecoveryStatus().GetRecoveryRunning());
  EXPECT_EQ(demo.Network().GetSystems().Count(), 1);
  EXPECT_EQ(demo.Network().GetSystems().Item("Demo").GetName(), "Demo");
  EXPECT_EQ(ErrorNumberOf([&] { demo.Network().GetSystems().Item(2); }), lns::kLnsNotFound);

  lns::LnsSystem& system = demo.System();
  system.PutRemoteSetupFlag(true);
  system.PutRemoteSetupValue(0);
  system.PutOpenSetting(200);
  EXPECT_TRUE(system.GetRemoteSetupFlag());
  EXPECT_EQ(system.GetOpenSetting(), 200);
  EXPECT_EQ(system.GetNetworkMode(), lns::kNetworkModeOnNet);
}

}  // namespace
