#include <gtest/gtest.h>

#include <algorithm>

#include "TempMachineRoot.h"
#include "ToolRun.h"
#include "platform/MachineRoot.h"
#include "platform/eventloop/HeadlessEventLoop.h"
#include "platform/lns/LnsObjectModel.h"
#include "platform/lns/sim/DemoNetwork.h"
#include "platform/registry/RegistryStore.h"

namespace {

using lnstooltest::Lns;

class ValueCommandsTest : public ::testing::Test {
 protected:
  // A user with the decimal point.
  void SetUp() override {
    reg::RegistryStore(reg::RegistryStore::FileIn(root_.Path()))
        .SetValue(reg::Hive::CurrentUser, "Control Panel\\International", "sDecimal",
                  {reg::ValueType::Sz, "."}, true);
    lns::CreateDemoNetwork(root_.Path(), platform::DataDir() / "interfaces");
  }

  testsupport::TempMachineRoot root_;
};

TEST_F(ValueCommandsTest, NetworkVariablesAreReadAndWritten) {
  EXPECT_EQ(Lns(root_.Path(), {"nv", "get", "Demo", "Floor 1/Room 101", "34"}).out, "21.50\n");
  auto set = Lns(root_.Path(), {"nv", "set", "Demo", "Floor 1/Room 101", "9", "100.0 1"});
  EXPECT_EQ(set.code, 0) << set.err;
  EXPECT_EQ(set.out, "");
  EXPECT_EQ(Lns(root_.Path(), {"nv", "get", "Demo", "floor 1/room 101", "9"}).out, "100.0 1\n");

  auto refused = Lns(root_.Path(), {"nv", "set", "Demo", "Floor 1/Room 101", "9", "on"});
  EXPECT_EQ(refused.code, 1);
  EXPECT_EQ(std::count(refused.err.begin(), refused.err.end(), '\n'), 1);
  EXPECT_EQ(Lns(root_.Path(), {"nv", "get", "Demo", "Floor 1/Room 101", "9"}).out, "100.0 1\n");

  auto offline = Lns(root_.Path(), {"nv", "get", "Demo", "Floor 1/Room 103", "34"});
  EXPECT_EQ(offline.code, 1);
  EXPECT_NE(offline.err.find("not online"), std::string::npos) << offline.err;
  auto missing = Lns(root_.Path(), {"nv", "get", "Demo", "Floor 2/Room 202", "34"});
  EXPECT_EQ(missing.code, 1);
  EXPECT_NE(missing.err.find("Room 202 has no network variable with index 34"), std::string::npos)
      << missing.err;
  EXPECT_EQ(Lns(root_.Path(), {"nv", "get", "Demo", "Floor 2/Room 209", "3"}).code, 1);
}

TEST_F(ValueCommandsTest, PropertiesAreFoundByTheirAddress) {
  EXPECT_EQ(Lns(root_.Path(), {"cp", "get", "Demo", "Floor 1/Room 101", "F:3/C:0:155"}).out, "100.0 1\n");
  EXPECT_EQ(Lns(root_.Path(), {"cp", "get", "Demo", "Floor 1/Room 101", "N:3/C:0:49"}).out, "60.0\n");
  EXPECT_EQ(Lns(root_.Path(), {"cp", "set", "Demo", "Floor 1/Room 103", "N:25/C:0:74", "HVAC_COOL"}).code, 0);
  EXPECT_EQ(Lns(root_.Path(), {"cp", "get", "Demo", "Floor 1/Room 103", "N:25/C:0:74"}).out, "HVAC_COOL\n");
  EXPECT_EQ(Lns(root_.Path(), {"cp", "get", "Demo", "Floor 2/Room 202", "F:6/C:3:44"}).out, "0 0 0 0\n");
  EXPECT_EQ(Lns(root_.Path(), {"cp", "get", "Demo", "Floor 1/Room 104", "F:6/C:0:59"}).out, "2\n");
  EXPECT_EQ(Lns(root_.Path(), {"cp", "set", "Demo", "Floor 1/Room 104", "F:6/C:0:59", "3"}).code,
            1);  // 1 to 2 valves

  auto none = Lns(root_.Path(), {"cp", "get", "Demo", "Floor 1/Room 101", "C:0:49"});
  EXPECT_EQ(none.code, 1);
  EXPECT_NE(none.err.find("Room 101 has no configuration property at C:0:49"), std::string::npos) << none.err;
  EXPECT_EQ(Lns(root_.Path(), {"cp", "get", "Demo", "Floor 1/Room 101", "F:3/C:0:999"}).code, 1);
  EXPECT_EQ(Lns(root_.Path(), {"cp", "get", "Demo", "Floor 2/Room 202", "F:7/C:0:93"}).code, 1);

  for (const char* address :
       {"F3/C:0:155", "F:3/0:155", "X:1/C:0:1", "C:0", "C:a:1", "F:-1/C:0:1", "N: 3/C:0:49"}) {
    EXPECT_EQ(Lns(root_.Path(), {"cp", "get", "Demo", "Floor 1/Room 101", address}).code, 2) << address;
  }
}

TEST_F(ValueCommandsTest, DeviceOwnPropertiesAndTheDecimalComma) {
  {
    platform::HeadlessEventLoop loop;
    lns::LnsObjectServer server(loop, root_.Path());
    server.Open();
    lns::LnsNetwork network = server.GetNetworks().Add("Custom");
    network.Open();
    lns::LnsSystem system = network.GetSystems().Item(1);
    system.Open();
    lns::DeviceInterface custom;
    custom.model = "custom";
    custom.programId = "9000000000000002";
    custom.configProperties = {{lns::CpOwner::Device, 0, 0, 49, "SCPTmaxSendTime", "SNVT_time_sec", "30.0"}};
    lns::LnsDeviceTemplate deviceTemplate = system.GetTemplateLibrary().GetDeviceTemplates().Add("Custom", 1);
    deviceTemplate.ImportInterface(custom);
    system.GetSubsystems().Add("Hall").GetAppDevices().Add("Counter", deviceTemplate);
  }
  reg::RegistryStore(reg::RegistryStore::FileIn(root_.Path()))
      .SetValue(reg::Hive::CurrentUser, "Control Panel\\International", "sDecimal", {reg::ValueType::Sz, ","},
                true);
  EXPECT_EQ(Lns(root_.Path(), {"cp", "get", "Custom", "Hall/Counter", "C:0:49"}).out, "30,0\n");
  EXPECT_EQ(Lns(root_.Path(), {"cp", "set", "Custom", "Hall/Counter", "C:0:49", "12,5"}).code, 0);
  EXPECT_EQ(Lns(root_.Path(), {"cp", "get", "Custom", "Hall/Counter", "C:0:49"}).out, "12,5\n");
  EXPECT_EQ(Lns(root_.Path(), {"nv", "get", "Demo", "Floor 1/Room 101", "34"}).out, "21,50\n");
}

TEST_F(ValueCommandsTest, BadArgumentsPrintTheUsage) {
  for (const lnstool::Args& bad :
       {lnstool::Args{"nv"}, lnstool::Args{"nv", "get", "Demo", "Floor 1/Room 101"},
        lnstool::Args{"nv", "get", "Demo", "Room 101", "3"},
        lnstool::Args{"nv", "get", "Demo", "/Room 101", "3"},
        lnstool::Args{"nv", "set", "Demo", "Floor 1/Room 101", "3"},
        lnstool::Args{"nv", "get", "Demo", "Floor 1/Room 101", "x"},
        lnstool::Args{"nv", "get", "Demo", "Floor 1/Room 101", "3", "extra"},
        lnstool::Args{"nv", "put", "Demo", "Floor 1/Room 101", "3", "1"},
        lnstool::Args{"cp", "set", "Demo", "Floor 1/Room 101", "F:3/C:0:155"}}) {
    auto run = Lns(root_.Path(), bad);
    EXPECT_EQ(run.code, 2) << bad.size();
    EXPECT_EQ(run.err.rfind("usage: lns ", 0), 0u) << run.err;
  }
}

}  // namespace
