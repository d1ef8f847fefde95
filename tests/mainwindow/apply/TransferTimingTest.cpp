// A transfer as long as a real channel makes it: the progress and the remaining-time estimate in fStatus,
// cancelling by closing fStatus, an event loop that is never held for long, and a main window that refuses
// what would disturb the transfer meanwhile, edits of its values included.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "DemoMachineFixture.h"
#include "mainwindow/apply/fStatus.h"
#include "platform/MachineRoot.h"
#include "platform/lns/LnsObjectModel.h"
#include "platform/lns/sim/ScaleNetwork.h"
#include "program/Program.h"

namespace mainwindow_test {

using namespace testsupport;
namespace {

constexpr int kMaxSendTimeRow = 3;  // SCPTmaxSendTime "F:3/C:0:49", general

class TransferTimingTest : public DeviceSelectionTest {
 protected:
  qvr::fStatus& Status() { return program().Windows().Get<qvr::fStatus>(program()); }

  // Runs `step` every time the transfer yields to the event loop, as long as Apply runs.
  void WhileApplyYields(const std::function<void()>& step) {
    yield_ = [this, step] {
      if (!window().ApplyRunning()) return;
      step();
      services().TestLoop().Post(yield_);
    };
    services().TestLoop().Post(yield_);
  }

  static std::string MaxSendTime(const lns::LnsAppDevice& device) {
    return BlockProperty(device, 3, 0, 49).GetValue();
  }

 private:
  std::function<void()> yield_;
};

TEST_F(TransferTimingTest, TheEstimateIsThePreviousDevicesTimeTimesTheDevicesLeftAcrossMidnightToo) {
  ui::HeadlessTimeOfDay& clock = services().TestClock();
  // Each device starts at the time of day the test gives it; the estimate each start shows is kept.
  std::vector<ui::LocalDateTime> starts;
  std::vector<std::string> shown;
  qvr::fStatus& status = Status();
  status.Lbl_Devices.OnChange = [&, estimate = status.Lbl_Devices.OnChange] {
    clock.Set(starts.at(shown.size()));
    estimate();
    shown.push_back(status.lbl_time.Caption());
  };
  status.Unload();
  Enter(Nci(kMaxSendTimeRow), "150.0");
  Select({"Room 102", "Room 103"}, false);

  // The program has run since the morning, and each device takes ten seconds: the first device has no
  // estimate (not the time since midnight), the second the ten seconds times two devices left.
  starts = {{2026, 12, 7, 14, 0, 0}, {2026, 12, 7, 14, 0, 10}, {2026, 12, 7, 14, 0, 20}};
  window().cmdApply.UserClicks();
  EXPECT_EQ(shown, (std::vector<std::string>{"Time", "20 sec", "10 sec"}));

  // Nor does the next transfer time its first device from the stamp the last one left; its second device
  // is timed across midnight.
  Enter(Nci(kMaxSendTimeRow), "160.0");
  starts = {{2026, 12, 7, 23, 59, 55}, {2026, 12, 8, 0, 0, 5}, {2026, 12, 8, 0, 0, 6}};
  shown.clear();
  window().cmdApply.UserClicks();
  EXPECT_EQ(shown, (std::vector<std::string>{"Time", "20 sec", "1 sec"}));
  EXPECT_EQ(MaxSendTime(Room("Room 103")), "160.0");
}

TEST_F(TransferTimingTest, TheWindowRefusesWhatWouldDisturbATransferUntilItIsOver) {
  Enter(Nci(kMaxSendTimeRow), "150.0");
  Select({"Room 102", "Room 103"}, false);
  bool tried = false;
  WhileApplyYields([&] {
    if (tried || Status().Lbl_Devices.Caption() != "2 / 3") return;
    tried = true;
    EXPECT_FALSE(window().mnuParameter_laden.Enabled());
    EXPECT_FALSE(window().mnuExit.Enabled());
    EXPECT_FALSE(window().cmdGerAuswahl.Enabled());
    // Whatever reaches the handlers meanwhile is refused.
    window().cmdCancel_Click();
    window().cmdApply_Click();
    window().mnuParameter_laden_Click();
    window().cmdGerAuswahl_Click();
    window().mnuExit_Click();
    window().UserCloses();
  });

  window().cmdApply.UserClicks();

  ASSERT_TRUE(tried);
  EXPECT_TRUE(window().IsLoaded());
  EXPECT_FALSE(program().HasEnded());
  EXPECT_TRUE(boxes().Shown().empty());
  EXPECT_EQ(program().mainwindow.SelectedCount, 3);
  for (const char* room : {"Room 101", "Room 102", "Room 103"})
    EXPECT_EQ(MaxSendTime(Room(room)), "150.0") << room;
  EXPECT_EQ(Nci(kMaxSendTimeRow).Text(), "150.0");
  EXPECT_TRUE(window().mnuParameter_laden.Enabled());
  EXPECT_TRUE(window().mnuExit.Enabled());
  EXPECT_TRUE(window().cmdGerAuswahl.Enabled());
}

TEST_F(TransferTimingTest, AnEditTriedDuringATransferNeverLooksAppliedOnTheDeviceBeingEdited) {
  constexpr int kHoldTimeRow = 2;       // SCPTholdTime, general
  constexpr int kSensorModeChoice = 6;  // cmb_nci(6) writes row 6
  Enter(Nci(kMaxSendTimeRow), "150.0");
  Select({"Room 102", "Room 103"}, false);  // the changed rows only
  ui::ComboBox& choice = Combo(kSensorModeChoice);
  ASSERT_GE(choice.ListCount(), 2);
  const int otherEntry = choice.ListIndex() == 0 ? 1 : 0;
  bool tried = false;
  WhileApplyYields([&] {
    if (Status().Lbl_Devices.Caption() != "2 / 3") return;
    tried = true;
    Enter(Nci(kMaxSendTimeRow), "170.0");  // the row being written
    Enter(Nci(kHoldTimeRow), "33.0");
    choice.UserSelects(otherEntry);
  });

  window().cmdApply.UserClicks();

  ASSERT_TRUE(tried);
  // A box without its mark shows what the edited device holds; a marked one is offered for Apply.
  for (int row : {kMaxSendTimeRow, kHoldTimeRow, kSensorModeChoice}) {
    const std::string held = window().GetNciObject(NciRow(row).NciKey)->GetValue();
    if (Red(Nci(row))) {
      EXPECT_TRUE(ApplyAndCancelEnabled()) << row;
    } else {
      EXPECT_EQ(Nci(row).Text(), held) << row;
    }
  }
  EXPECT_EQ(MaxSendTime(Room("Room 103")), MaxSendTime(Room("Room 101")));
  // Once the transfer is over the boxes take edits again.
  Enter(Nci(kHoldTimeRow), "33.0");
  EXPECT_TRUE(Red(Nci(kHoldTimeRow)));
  EXPECT_TRUE(ApplyAndCancelEnabled());
}

TEST_F(TransferTimingTest, AHundredDevicesOnFt10ShowProgressNeverHoldTheLoopAndStopWhenStatusCloses) {
  lns::CreateScaleNetwork(server(), "Scale", 400, platform::DataDir() / "interfaces");
  lns::LnsNetwork scale = server().GetNetworks().Item("Scale");
  scale.Open();
  scale.GetSystems().Item(1).Open();
  UseNetwork("Scale");
  program().framework.CurrentSystem->PutChannelTiming(lns::ChannelTiming::Ft10);
  const auto device = [&](int number) {
    const int area = (number - 1) / lns::kScaleDevicesPerSubsystem + 1;
    return program()
        .framework.CurrentSystem->GetSubsystems()
        .Item("Area " + std::to_string(area))
        .GetAppDevices()
        .Item("Device " + std::to_string(number));
  };
  Open(device(2));  // the models take turns: devices 2, 6, ..., 398 share a template
  OpenSelection([&](qvr::fGeraeteauswahl& selection) {
    for (int index = 1; index <= selection.TreeView1.NodeCount(); ++index) {
      ui::TreeNode& node = selection.TreeView1.Node(index);
      if (node.Parent() != nullptr && node.Text() != "Device 2") ClickCheckBox(selection, node);
    }
    selection.chksynchronisiern.UserClicks();  // every general property to every device
    selection.cmdFertig.UserClicks();
  });
  ASSERT_EQ(program().mainwindow.SelectedCount, 100);  // Device 2 itself, checked from the start
  ASSERT_EQ(program().mainwindow.SelectedDevices[100].Name, "Device 398");
  const std::string before = MaxSendTime(device(398));
  Enter(Nci(kMaxSendTimeRow), before == "150.0" ? "160.0" : "150.0");
  const std::string edited = Nci(kMaxSendTimeRow).Text();

  std::vector<std::int64_t> yields;
  std::vector<std::string> estimates;
  float parameterBar = 0;
  WhileApplyYields([&] {
    yields.push_back(services().TestLoop().NowMs());
    qvr::fStatus& status = Status();
    if (estimates.empty() || estimates.back() != status.lbl_time.Caption()) {
      estimates.push_back(status.lbl_time.Caption());
    }
    parameterBar = std::max(parameterBar, status.Progr_Parameter.Value());
    // The user has seen enough at the 60th device.
    if (status.Lbl_Devices.Caption() == "60 / 100") status.UserCloses();
  });
  const std::int64_t start = services().TestLoop().NowMs();

  window().cmdApply.UserClicks();

  const std::int64_t end = services().TestLoop().NowMs();
  yields.insert(yields.begin(), start);
  yields.push_back(end);
  std::int64_t longest = 0;
  for (std::size_t at = 1; at < yields.size(); ++at) longest = std::max(longest, yields[at] - yields[at - 1]);
  EXPECT_LE(longest, 50);
  // 59 devices of 50 general properties, each write an FT-10 transaction of 11 ms.
  EXPECT_GE(end - start, 59 * 50 * 11);
  EXPECT_EQ(parameterBar, 56.0f);
  ASSERT_GE(estimates.size(), 3u);
  EXPECT_EQ(estimates[0], "Time");
  EXPECT_TRUE(estimates[1].ends_with(" sec")) << estimates[1];
  EXPECT_EQ(MaxSendTime(device(2)), edited);
  EXPECT_EQ(MaxSendTime(device(2 + 4 * 58)), edited);  // the 59th selected device
  EXPECT_EQ(MaxSendTime(device(398)), before);
  EXPECT_FALSE(window().ApplyRunning());
}

}  // namespace
}  // namespace mainwindow_test
