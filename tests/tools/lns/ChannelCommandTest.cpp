// The channel timing: `lns channel` and `lns network create --channel` set it for every process on the
// network, and each device access that reaches a device then holds the event loop for the channel's time.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "OpenedSystem.h"
#include "TempMachineRoot.h"
#include "ToolRun.h"
#include "platform/MachineRoot.h"
#include "platform/lns/LnsObjectModel.h"
#include "platform/lns/sim/DemoNetwork.h"

namespace {

using lnstooltest::Lns;
using testsupport::OpenedSystem;

class ChannelCommandTest : public ::testing::Test {
 protected:
  void SetUp() override { lns::CreateDemoNetwork(root_.Path(), platform::DataDir() / "interfaces"); }

  // The virtual milliseconds that `access` held the loop of a fresh Object Server on network `name`.
  std::int64_t HeldMs(const std::string& name, const std::function<void(lns::LnsSystem&)>& access) {
    OpenedSystem opened(root_.Path(), name);
    const std::int64_t before = opened.loop.NowMs();
    access(opened.system);
    return opened.loop.NowMs() - before;
  }

  static lns::LnsAppDevice Room(lns::LnsSystem& system, const char* name) {
    return system.GetSubsystems().Item("Floor 1").GetAppDevices().Item(name);
  }
  static lns::LnsConfigProperty FirstBlockProperty(const lns::LnsAppDevice& device) {
    return device.GetInterface().GetLonMarkObjects().Item(4).GetConfigProperties().Item(1);
  }

  testsupport::TempMachineRoot root_;
};

TEST_F(ChannelCommandTest, OnFt10EveryAccessThatReachesADeviceTakesOneTransaction) {
  const auto writeOnline = [](lns::LnsSystem& system) {
    lns::LnsConfigProperty property = FirstBlockProperty(Room(system, "Room 101"));
    property.PutValue(property.GetValue());
  };
  EXPECT_EQ(HeldMs("Demo", writeOnline), 0);

  ASSERT_EQ(Lns(root_.Path(), {"channel", "Demo", "ft10"}).code, 0);
  EXPECT_EQ(HeldMs("Demo", writeOnline), 11);
  EXPECT_EQ(
      HeldMs("Demo",
             [](lns::LnsSystem& system) { EXPECT_EQ(system.GetChannelTiming(), lns::ChannelTiming::Ft10); }),
      0);
  // Network variables are read from the device; properties from the database.
  EXPECT_EQ(HeldMs("Demo",
                   [](lns::LnsSystem& system) {
                     Room(system, "Room 101").GetInterface().GetNetworkVariables().ItemByIndex(14).GetValue();
                     FirstBlockProperty(Room(system, "Room 101")).GetValue();
                   }),
            11);
  // A device that is not online is not contacted; one that refuses still answered.
  EXPECT_EQ(HeldMs("Demo",
                   [](lns::LnsSystem& system) {
                     lns::LnsConfigProperty property = FirstBlockProperty(Room(system, "Room 103"));
                     property.PutValue(property.GetValue());
                   }),
            0);
  ASSERT_EQ(Lns(root_.Path(), {"device", "fault", "Demo", "Floor 1/Room 101", "refuse-writes", "1"}).code, 0);
  EXPECT_EQ(HeldMs("Demo", [&](lns::LnsSystem& system) { EXPECT_ANY_THROW(writeOnline(system)); }), 11);

  ASSERT_EQ(Lns(root_.Path(), {"channel", "Demo", "none"}).code, 0);
  EXPECT_EQ(HeldMs("Demo", writeOnline), 0);

  for (const lnstool::Args& bad : {lnstool::Args{"channel", "Demo"}, lnstool::Args{"channel", "Demo", "ft20"},
                                   lnstool::Args{"channel", "Demo", "ft10", "x"}}) {
    EXPECT_EQ(Lns(root_.Path(), bad).code, 2) << bad.back();
  }
  EXPECT_EQ(Lns(root_.Path(), {"channel", "Nowhere", "ft10"}).code, 1);
}

TEST_F(ChannelCommandTest, ANetworkCanBeCreatedWithItsChannelTiming) {
  ASSERT_EQ(Lns(root_.Path(), {"network", "create", "Slow", "--devices", "4", "--channel", "ft10"}).code, 0);
  ASSERT_EQ(Lns(root_.Path(), {"network", "create", "Fast", "--devices", "4"}).code, 0);
  const auto timing = [&](const std::string& name) {
    lns::ChannelTiming read = lns::ChannelTiming::None;
    HeldMs(name, [&](lns::LnsSystem& system) { read = system.GetChannelTiming(); });
    return read;
  };
  EXPECT_EQ(timing("Slow"), lns::ChannelTiming::Ft10);
  EXPECT_EQ(timing("Fast"), lns::ChannelTiming::None);

  for (const lnstool::Args& bad :
       {lnstool::Args{"network", "create", "X", "--devices", "4", "--channel", "ft20"},
        lnstool::Args{"network", "create", "X", "--devices", "4", "--chanel", "ft10"},
        lnstool::Args{"network", "create", "X", "--devices", "4", "--channel"}}) {
    EXPECT_EQ(Lns(root_.Path(), bad).code, 2) << bad[5];
  }
  EXPECT_EQ(Lns(root_.Path(), {"networks"}).out.find("X\n"), std::string::npos);
}

}  // namespace
