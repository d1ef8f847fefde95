#include <gtest/gtest.h>

#include "LnsDemo.h"
#include "LnsTestErrors.h"
#include "platform/lns/sim/ChannelTiming.h"
#include "platform/sqlite/Database.h"

namespace {

using lnstest::ErrorNumberOf;

lns::LnsNetworkVariable Nv(lnstest::LnsDemo& demo, const char* floor, const char* room, int index) {
  return demo.Device(floor, room).GetInterface().GetNetworkVariables().ItemByIndex(index);
}

lns::LnsConfigProperty BlockProperty(lnstest::LnsDemo& demo, const char* floor, const char* room, long block,
                                     long property) {
  return demo.Device(floor, room)
      .GetInterface()
      .GetLonMarkObjects()
      .Item(block + 1)
      .GetConfigProperties()
      .Item(property);
}

TEST(LnsValueTest, ValuesUseTheUsersDecimalSeparator) {
  lnstest::LnsDemo demo(",");
  EXPECT_EQ(demo.Server().GetDecimalSeparator(), ",");
  lns::LnsNetworkVariable spaceTemp = Nv(demo, "Floor 1", "Room 101", 34);
  EXPECT_EQ(spaceTemp.GetValue(), "21,50");
  spaceTemp.PutValue("22,75");
  EXPECT_EQ(spaceTemp.GetValue(), "22,75");
  EXPECT_EQ(ErrorNumberOf([&] { spaceTemp.PutValue("23.25"); }), lns::kLnsInvalidValue);
  EXPECT_EQ(spaceTemp.GetValue(), "22,75");

  lns::LnsConfigProperty holdTime = BlockProperty(demo, "Floor 1", "Room 101", 3, 3);
  ASSERT_EQ(holdTime.GetTypeName(), "SCPTholdTime");
  EXPECT_EQ(holdTime.GetValue(), "600,0");
  holdTime.PutValue("2,5");
  EXPECT_EQ(holdTime.GetValue(), "2,5");
}

TEST(LnsValueTest, RefusedTextsChangeNothing) {
  lnstest::LnsDemo demo;
  lns::LnsNetworkVariable manual = Nv(demo, "Floor 1", "Room 101", 9);  // nviOcManOverride, SNVT_switch
  manual.PutValue("100.0 1");
  for (const char* bad : {"", "abc", "100.0", "200.0 1", "50.0 7"}) {
    EXPECT_EQ(ErrorNumberOf([&] { manual.PutValue(bad); }), lns::kLnsInvalidValue) << bad;
  }
  EXPECT_EQ(manual.GetValue(), "100.0 1");

  lns::LnsConfigProperty holdTime = BlockProperty(demo, "Floor 1", "Room 101", 3, 3);
  EXPECT_EQ(ErrorNumberOf([&] { holdTime.PutValue("0.5"); }), lns::kLnsInvalidValue);  // below 1.0 s
  EXPECT_EQ(holdTime.GetValue(), "600.0");
  EXPECT_EQ(ErrorNumberOf([&] { demo.System().PutNetworkMode(5); }), lns::kLnsInvalidArgument);
}

TEST(LnsValueTest, DevicesNotOnlineRefuseNetworkVariablesButKeepProperties) {
  lnstest::LnsDemo demo;
  struct Case {
    const char* floor;
    const char* room;
  };
  for (Case offline : {Case{"Floor 1", "Room 103"}, Case{"Floor 2", "Room 203"}}) {
    SCOPED_TRACE(offline.room);
    lns::LnsNetworkVariable nv = Nv(demo, offline.floor, offline.room, 9);
    EXPECT_EQ(ErrorNumberOf([&] { nv.GetValue(); }), lns::kLnsDeviceNotOnline);
    EXPECT_EQ(ErrorNumberOf([&] { nv.PutValue("100.0 1"); }), lns::kLnsDeviceNotOnline);
    lns::LnsConfigProperty primeVal = BlockProperty(demo, offline.floor, offline.room, 3, 1);
    EXPECT_EQ(primeVal.GetValue(), "100.0 1");
    primeVal.PutValue("50.0 1");
    EXPECT_EQ(primeVal.GetValue(), "50.0 1");
  }

  lns::LnsAppDevice room = demo.Device("Floor 1", "Room 101");
  lns::LnsNetworkVariable nv = Nv(demo, "Floor 1", "Room 101", 9);
  room.PutCommissioned(false);
  EXPECT_EQ(ErrorNumberOf([&] { nv.GetValue(); }), lns::kLnsDeviceNotOnline);
  room.PutCommissioned(true);
  room.PutStateUnknownFlag(true);
  EXPECT_TRUE(room.GetStateUnknownFlag());
  EXPECT_NO_THROW(nv.GetValue());
  demo.System().PutNetworkMode(lns::kNetworkModeOffNet);
  EXPECT_EQ(demo.System().GetNetworkMode(), lns::kNetworkModeOffNet);
  EXPECT_EQ(ErrorNumberOf([&] { nv.PutValue("0.0 0"); }), lns::kLnsDeviceNotOnline);
  EXPECT_NO_THROW(BlockProperty(demo, "Floor 1", "Room 101", 3, 1).PutValue("0.0 0"));
  demo.System().PutNetworkMode(lns::kNetworkModeOnNet);
  for (long state : {lns::kStateApplicationless, lns::kStateSoftOffline, lns::kStateConfiguredBypass}) {
    room.PutState(state);
    EXPECT_EQ(room.GetState(), state);
    EXPECT_EQ(ErrorNumberOf([&] { nv.GetValue(); }), lns::kLnsDeviceNotOnline);
  }
  EXPECT_EQ(ErrorNumberOf([&] { room.PutState(5); }), lns::kLnsInvalidArgument);
  room.PutState(lns::kStateConfiguredOnline);
  EXPECT_EQ(nv.GetValue(), "0.0 -1");
}

TEST(LnsValueTest, StateNamesAndCodes) {
  EXPECT_EQ(lns::DeviceStateName(4), "Cnfg Online");
  EXPECT_EQ(lns::DeviceStateName(3), "App'less");
  EXPECT_EQ(lns::DeviceStateName(140), "Cnfg Bypass");
  EXPECT_EQ(lns::DeviceStateName(5), "?");
  EXPECT_EQ(lns::ParseDeviceState("cnfg offline"), 6);
  EXPECT_EQ(lns::ParseDeviceState("12"), 12);
  EXPECT_FALSE(lns::ParseDeviceState("13"));
  EXPECT_FALSE(lns::ParseDeviceState("4 "));
  EXPECT_FALSE(lns::ParseDeviceState("Online"));
}

TEST(LnsValueTest, WritesReachOtherClientsOfTheNetwork) {
  lnstest::LnsDemo demo;
  Nv(demo, "Floor 1", "Room 104", 20).PutValue("750");
  BlockProperty(demo, "Floor 1", "Room 104", 4, 1).PutValue("320");

  platform::HeadlessEventLoop loop;
  lns::LnsObjectServer second(loop, demo.Root());
  second.Open();
  lns::LnsNetwork network = second.GetNetworks().Item("Demo");
  network.Open();
  lns::LnsSystem system = network.GetSystems().Item(1);
  system.Open();
  lns::LnsAppDevice device = system.GetSubsystems().Item("Floor 1").GetAppDevices().Item("Room 104");
  EXPECT_EQ(device.GetInterface().GetNetworkVariables().ItemByIndex(20).GetValue(), "750");
  EXPECT_EQ(device.GetInterface().GetLonMarkObjects().Item(5).GetConfigProperties().Item(1).GetValue(),
            "320");
  device.PutState(lns::kStateConfiguredOffline);
  EXPECT_EQ(demo.Device("Floor 1", "Room 104").GetState(), lns::kStateConfiguredOffline);
}

TEST(LnsValueTest, TemplateInterfacesHoldNoDeviceValues) {
  lnstest::LnsDemo demo;
  lns::LnsInterface templateInterface =
      demo.System().GetTemplateLibrary().GetDeviceTemplates().Item("qvrl206").GetInterface();
  lns::LnsNetworkVariable nv = templateInterface.GetNetworkVariables().ItemByIndex(34);
  EXPECT_EQ(ErrorNumberOf([&] { nv.GetValue(); }), lns::kLnsInvalidArgument);
  EXPECT_EQ(ErrorNumberOf([&] { nv.PutMonitorEnable(true); }), lns::kLnsInvalidArgument);
  lns::LnsConfigProperty primeVal =
      templateInterface.GetLonMarkObjects().Item(4).GetConfigProperties().Item(1);
  EXPECT_EQ(primeVal.GetValue(), "100.0 1");
  EXPECT_EQ(ErrorNumberOf([&] { primeVal.PutValue("0.0 0"); }), lns::kLnsInvalidArgument);
  EXPECT_EQ(ErrorNumberOf([&] { templateInterface.GetLonMarkObjects().Item(4).PutMode(3); }),
            lns::kLnsInvalidArgument);
}

}  // namespace

namespace {

// A network made before channels had a timing: its devices answer at once until a timing is set, which
// every read then honours.
TEST(LnsValueTest, ANetworkWithoutChannelTimingGetsOneWhenSet) {
  lnstest::LnsDemo demo;
  demo.Network().Close();
  sqlite::Database(demo.Root() / "LonWorks" / "Databases" / "Demo" / "network.sqlite")
      .Execute("DROP TABLE channel");
  demo.Network().Open();
  lns::LnsSystem system = demo.Network().GetSystems().Item(1);
  system.Open();
  lns::LnsNetworkVariable nv = system.GetSubsystems()
                                   .Item("Floor 1")
                                   .GetAppDevices()
                                   .Item("Room 101")
                                   .GetInterface()
                                   .GetNetworkVariables()
                                   .ItemByIndex(20);

  const std::int64_t start = demo.Loop().NowMs();
  EXPECT_FALSE(nv.GetValue().empty());
  EXPECT_EQ(demo.Loop().NowMs(), start);
  EXPECT_EQ(system.GetChannelTiming(), lns::ChannelTiming::None);

  system.PutChannelTiming(lns::ChannelTiming::Ft10);
  EXPECT_FALSE(nv.GetValue().empty());
  EXPECT_EQ(demo.Loop().NowMs() - start, lns::TransactionMs(lns::ChannelTiming::Ft10));
}

}  // namespace
