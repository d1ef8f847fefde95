#include <gtest/gtest.h>

#include "TempMachineRoot.h"
#include "ToolRun.h"
#include "platform/MachineRoot.h"
#include "platform/lns/sim/DemoNetwork.h"

namespace {

using lnstooltest::Lns;

class DeviceCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override { lns::CreateDemoNetwork(root_.Path(), platform::DataDir() / "interfaces"); }

  testsupport::TempMachineRoot root_;
};

TEST_F(DeviceCommandsTest, StatesDecideNetworkVariableAccess) {
  const lnstool::Args read = {"nv", "get", "Demo", "Floor 2/Room 201", "3"};
  ASSERT_EQ(Lns(root_.Path(), read).code, 0);
  EXPECT_EQ(Lns(root_.Path(), {"device", "state", "Demo", "Floor 2/Room 201", "12"}).code, 0);
  EXPECT_EQ(Lns(root_.Path(), read).code, 1);
  EXPECT_NE(Lns(root_.Path(), {"devices", "Demo"})
                .out.find("Room 201\t9FFF6E0A5A060408\t0500A1000005\tSoft Offline"),
            std::string::npos);
  EXPECT_EQ(Lns(root_.Path(), {"device", "state", "Demo", "Floor 2/Room 201", "cnfg online"}).code, 0);
  EXPECT_EQ(Lns(root_.Path(), read).code, 0);

  for (const char* bad : {"5", "online", ""}) {
    EXPECT_EQ(Lns(root_.Path(), {"device", "state", "Demo", "Floor 2/Room 201", bad}).code, 2) << bad;
  }
  EXPECT_EQ(Lns(root_.Path(), {"device", "state", "Demo", "Floor 2/Room 299", "4"}).code, 1);
}

TEST_F(DeviceCommandsTest, FaultsRefuseWritesAndTimeOut) {
  const lnstool::Args write = {"nv", "set", "Demo", "Floor 1/Room 104", "20", "650"};
  ASSERT_EQ(Lns(root_.Path(), {"device", "fault", "Demo", "Floor 1/Room 104", "refuse-writes", "2"}).code, 0);
  for (int refused = 0; refused < 2; ++refused) {
    auto run = Lns(root_.Path(), write);
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("refused"), std::string::npos) << run.err;
  }
  EXPECT_EQ(Lns(root_.Path(), write).code, 0);
  EXPECT_EQ(Lns(root_.Path(), {"nv", "get", "Demo", "Floor 1/Room 104", "20"}).out, "650\n");

  ASSERT_EQ(Lns(root_.Path(), {"device", "fault", "Demo", "Floor 1/Room 104", "timeout"}).code, 0);
  auto timedOut = Lns(root_.Path(), {"nv", "get", "Demo", "Floor 1/Room 104", "20"});
  EXPECT_EQ(timedOut.code, 1);
  EXPECT_NE(timedOut.err.find("time-out"), std::string::npos) << timedOut.err;
  ASSERT_EQ(Lns(root_.Path(), {"device", "fault", "Demo", "Floor 1/Room 104", "none"}).code, 0);
  EXPECT_EQ(Lns(root_.Path(), {"nv", "get", "Demo", "Floor 1/Room 104", "20"}).code, 0);

  for (const lnstool::Args& bad :
       {lnstool::Args{"device", "fault", "Demo", "Floor 1/Room 104", "refuse-writes"},
        lnstool::Args{"device", "fault", "Demo", "Floor 1/Room 104", "refuse-writes", "-1"},
        lnstool::Args{"device", "fault", "Demo", "Floor 1/Room 104", "slow"},
        lnstool::Args{"device", "fault", "Demo", "Room 104", "none"}, lnstool::Args{"device", "reset"}}) {
    EXPECT_EQ(Lns(root_.Path(), bad).code, 2);
  }
}

}  // namespace
