#include <gtest/gtest.h>

#include "LnsDemo.h"
#include "LnsTestErrors.h"

namespace {

using lnstest::ErrorNumberOf;

TEST(LnsDeviceFaultTest, RefusedWritesCountDownThenWritesPass) {
  lnstest::LnsDemo demo;
  lns::LnsAppDevice room = demo.Device("Floor 1", "Room 101");
  lns::LnsNetworkVariable nv = room.GetInterface().GetNetworkVariables().ItemByIndex(20);  // nviLuxSetpoint_1
  lns::LnsConfigProperty cp = room.GetInterface().GetLonMarkObjects().Item(5).GetConfigProperties().Item(1);
  std::string before = nv.GetValue();
  room.PutFault({3, false});
  EXPECT_EQ(ErrorNumberOf([&] { nv.PutValue("bad"); }), lns::kLnsInvalidValue);  // no refusal used up
  EXPECT_EQ(room.GetFault().refuseWrites, 3);
  EXPECT_EQ(ErrorNumberOf([&] { nv.PutValue("600"); }), lns::kLnsWriteRefused);
  EXPECT_EQ(ErrorNumberOf([&] { cp.PutValue("600"); }), lns::kLnsWriteRefused);
  EXPECT_EQ(nv.GetValue(), before);  // reads still pass
  EXPECT_EQ(ErrorNumberOf([&] { nv.PutValue("600"); }), lns::kLnsWriteRefused);
  EXPECT_EQ(room.GetFault().refuseWrites, 0);
  nv.PutValue("600");
  EXPECT_EQ(nv.GetValue(), "600");

  lns::LnsErrorObject error = demo.System().GetErrorObject();
  EXPECT_EQ(error.GetNumber(), lns::kLnsWriteRefused);
  EXPECT_NE(error.GetDescription().find("Room 101"), std::string::npos) << error.GetDescription();
  EXPECT_EQ(ErrorNumberOf([&] { room.PutFault({-1, false}); }), lns::kLnsInvalidArgument);
}

TEST(LnsDeviceFaultTest, TimeoutFailsDeviceAccessUntilCleared) {
  lnstest::LnsDemo demo;
  lns::LnsAppDevice room = demo.Device("Floor 2", "Room 201");
  lns::LnsNetworkVariable nv = room.GetInterface().GetNetworkVariables().ItemByIndex(3);
  lns::LnsConfigProperty cp = room.GetInterface().GetLonMarkObjects().Item(4).GetConfigProperties().Item(1);
  room.PutFault({0, true});
  EXPECT_TRUE(room.GetFault().timesOut);
  EXPECT_EQ(ErrorNumberOf([&] { nv.GetValue(); }), lns::kLnsTimeout);
  EXPECT_EQ(ErrorNumberOf([&] { nv.PutValue("400"); }), lns::kLnsTimeout);
  EXPECT_EQ(ErrorNumberOf([&] { cp.PutValue("0.0 0"); }), lns::kLnsTimeout);
  EXPECT_EQ(cp.GetValue(), "100.0 1");  // read from the database
  room.PutFault({});
  nv.PutValue("400");
  EXPECT_EQ(nv.GetValue(), "400");
}

TEST(LnsDeviceFaultTest, PropertiesOfDevicesNotOnlineAreWrittenToTheDatabaseAlone) {
  lnstest::LnsDemo demo;
  lns::LnsAppDevice room = demo.Device("Floor 1", "Room 103");
  room.PutFault({1, true});
  lns::LnsConfigProperty cp = room.GetInterface().GetLonMarkObjects().Item(4).GetConfigProperties().Item(3);
  cp.PutValue("30.0");
  EXPECT_EQ(cp.GetValue(), "30.0");
  EXPECT_EQ(room.GetFault().refuseWrites, 1);
}

}  // namespace
