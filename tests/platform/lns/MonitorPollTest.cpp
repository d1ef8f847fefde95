#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "LnsDemo.h"
#include "LnsTestErrors.h"

namespace {

using lnstest::ErrorNumberOf;

struct Update {
  long tag;
  std::string value;
  std::string variable;
  long at;
};

struct UpdateError {
  long tag;
  long number;
  long at;
};

// Records the server's monitoring events with the virtual time they came at.
class Recorder {
 public:
  explicit Recorder(lnstest::LnsDemo& demo) : demo_(demo) {
    updates_ = demo.Server().OnNetworkVariableUpdate(
        [this](long tag, const std::string& value, const lns::LnsNetworkVariable& variable) {
          updates.push_back({tag, value, variable.GetName(), static_cast<long>(demo_.Loop().NowMs())});
        });
    errors_ = demo.Server().OnNvUpdateError([this](long tag, const lns::LnsError& error) {
      errors.push_back({tag, error.Number(), static_cast<long>(demo_.Loop().NowMs())});
    });
    repaints_ = demo.Server().OnServerEvent9([this] { repaintsAfterUpdates.push_back(updates.size()); });
  }

  std::vector<Update> updates;
  std::vector<UpdateError> errors;
  // Event 9, each time with the number of updates raised before it.
  std::vector<std::size_t> repaintsAfterUpdates;

 private:
  lnstest::LnsDemo& demo_;
  lns::LnsSubscription updates_;
  lns::LnsSubscription errors_;
  lns::LnsSubscription repaints_;
};

// Switches monitoring on as the main window does.
void MonitorOn(lns::LnsNetworkVariable nv, long pollInterval, long tag) {
  nv.PutMonitorSuspended(true);
  nv.PutMonitorPollInterval(pollInterval);
  nv.PutMonitorEnable(true);
  nv.PutMonitorOptionA(true);
  nv.PutMonitorOptionB(true);
  nv.PutMonitorMode(3);
  nv.PutMonitorSuspended(false);
  nv.PutMonitorTag(tag);
}

lns::LnsNetworkVariable Nv(lnstest::LnsDemo& demo, const char* floor, const char* room, int index) {
  return demo.Device(floor, room).GetInterface().GetNetworkVariables().ItemByIndex(index);
}

TEST(MonitorPollTest, RaisesUpdatesAtThePollInterval) {
  lnstest::LnsDemo demo;
  Recorder recorder(demo);
  MonitorOn(Nv(demo, "Floor 1", "Room 101", 34), 20, 209);
  MonitorOn(Nv(demo, "Floor 1", "Room 101", 9), 50, 130);

  demo.Loop().Advance(1999);
  EXPECT_TRUE(recorder.updates.empty());
  demo.Loop().Advance(1);
  ASSERT_EQ(recorder.updates.size(), 1u);
  EXPECT_EQ(recorder.updates[0].tag, 209);
  EXPECT_EQ(recorder.updates[0].value, "21.50");
  EXPECT_EQ(recorder.updates[0].variable, "nvoSpaceTemp");

  Nv(demo, "Floor 1", "Room 101", 34).PutValue("19.25");
  demo.Loop().Advance(4000);
  ASSERT_EQ(recorder.updates.size(), 4u);  // at 4 s and 6 s for tag 209, at 5 s for tag 130
  EXPECT_EQ(recorder.updates[1].at, 4000);
  EXPECT_EQ(recorder.updates[1].value, "19.25");
  EXPECT_EQ(recorder.updates[2].tag, 130);
  EXPECT_EQ(recorder.updates[2].at, 5000);
  EXPECT_EQ(recorder.updates[3].at, 6000);
  EXPECT_TRUE(recorder.errors.empty());
  // Each delivered value is followed by event 9.
  EXPECT_EQ(recorder.repaintsAfterUpdates, (std::vector<std::size_t>{1, 2, 3, 4}));

  // The settings belong to the variable, whichever handle reads them.
  lns::LnsNetworkVariable again = Nv(demo, "Floor 1", "Room 101", 34);
  EXPECT_TRUE(again.GetMonitorEnable());
  EXPECT_EQ(again.GetMonitorPollInterval(), 20);
  EXPECT_EQ(again.GetMonitorTag(), 209);
  EXPECT_EQ(again.GetMonitorMode(), 3);
  EXPECT_TRUE(again.GetMonitorOptionA());
  EXPECT_TRUE(again.GetMonitorOptionB());
  EXPECT_FALSE(again.GetMonitorSuspended());
  EXPECT_EQ(Nv(demo, "Floor 1", "Room 102", 34).GetMonitorTag(), 0);
}

TEST(MonitorPollTest, SuspendingDisablingAndClosingStopThePolls) {
  lnstest::LnsDemo demo;
  Recorder recorder(demo);
  lns::LnsNetworkVariable nv = Nv(demo, "Floor 2", "Room 201", 3);
  MonitorOn(nv, 10, 204);
  demo.Loop().Advance(3000);
  EXPECT_EQ(recorder.updates.size(), 3u);

  nv.PutMonitorSuspended(true);
  demo.Loop().Advance(5000);
  EXPECT_EQ(recorder.updates.size(), 3u);
  nv.PutMonitorSuspended(false);
  demo.Loop().Advance(1000);
  EXPECT_EQ(recorder.updates.size(), 4u);

  nv.PutMonitorTag(0);
  nv.PutMonitorEnable(false);
  demo.Loop().Advance(5000);
  EXPECT_EQ(recorder.updates.size(), 4u);

  MonitorOn(nv, 0, 204);  // interval 0: not polled
  demo.Loop().Advance(5000);
  EXPECT_EQ(recorder.updates.size(), 4u);

  MonitorOn(nv, 10, 204);
  demo.System().Close();
  demo.Loop().Advance(5000);
  EXPECT_EQ(recorder.updates.size(), 4u);
  demo.System().Open();
  EXPECT_FALSE(
      Nv(demo, "Floor 2", "Room 201", 3).GetMonitorEnable());  // settings went with the closed system
  EXPECT_EQ(ErrorNumberOf([&] { nv.PutMonitorPollInterval(-1); }), lns::kLnsInvalidArgument);
  EXPECT_EQ(ErrorNumberOf([&] { nv.PutMonitorPollInterval(30000000); }), lns::kLnsInvalidArgument);
}

TEST(MonitorPollTest, FailingReadsRaiseUpdateErrors) {
  lnstest::LnsDemo demo;
  Recorder recorder(demo);
  lns::LnsAppDevice room = demo.Device("Floor 1", "Room 102");
  MonitorOn(Nv(demo, "Floor 1", "Room 102", 34), 10, 209);
  demo.Loop().Advance(1000);
  ASSERT_EQ(recorder.updates.size(), 1u);

  room.PutState(lns::kStateConfiguredOffline);
  demo.Loop().Advance(1000);
  ASSERT_EQ(recorder.errors.size(), 1u);
  EXPECT_EQ(recorder.errors[0].tag, 209);
  EXPECT_EQ(recorder.errors[0].number, lns::kLnsDeviceNotOnline);

  room.PutState(lns::kStateConfiguredOnline);
  room.PutFault({0, true});
  demo.Loop().Advance(1000);
  ASSERT_EQ(recorder.errors.size(), 2u);
  EXPECT_EQ(recorder.errors[1].number, lns::kLnsTimeout);
  EXPECT_EQ(recorder.updates.size(), 1u);
  EXPECT_EQ(recorder.repaintsAfterUpdates.size(), 1u);  // a failed read changes nothing shown

  room.PutFault({});
  demo.Loop().Advance(1000);
  EXPECT_EQ(recorder.updates.size(), 2u);
}

TEST(MonitorPollTest, HandlersMayStopMonitoringAndUnsubscribe) {
  lnstest::LnsDemo demo;
  int calls = 0;
  lns::LnsSubscription subscription = demo.Server().OnNetworkVariableUpdate(
      [&](long, const std::string&, const lns::LnsNetworkVariable& variable) {
        ++calls;
        lns::LnsNetworkVariable own = variable;
        own.PutMonitorEnable(false);  // from inside its own poll
      });
  MonitorOn(Nv(demo, "Floor 1", "Room 104", 34), 10, 209);
  demo.Loop().Advance(5000);
  EXPECT_EQ(calls, 1);

  subscription.Cancel();
  MonitorOn(Nv(demo, "Floor 1", "Room 104", 34), 10, 209);
  demo.Loop().Advance(5000);
  EXPECT_EQ(calls, 1);
}

}  // namespace
