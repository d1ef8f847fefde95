// The host's device command up to the device's model: the type-file check and its question, the
// resource-file look-up (not on a remote client) and its question, and the command's own error box.

#include <algorithm>
#include <filesystem>

#include "DemoMachineFixture.h"
#include "platform/registry/MachineSetup.h"
#include "program/Program.h"
#include "services/CRegistry.h"
#include "services/TypeFiles.h"

namespace mainwindow_test {

using namespace testsupport;
namespace {

constexpr std::size_t kMsgTypeFilesMissing = 0;
constexpr std::size_t kMsgLonMarkModesNotSet = 1;
constexpr std::size_t kMsgDrfLookUp = 7;

// The resource scopes that the look-up set as modes of the device's LonMark objects, in object order.
std::vector<int> ObjectModes(const lns::LnsAppDevice& device) {
  const lns::LnsLonMarkObjects objects = device.GetInterface().GetLonMarkObjects();
  std::vector<int> modes;
  for (long item = 1; item <= objects.Count(); ++item) modes.push_back(objects.Item(item).GetMode());
  return modes;
}

bool AllZero(const std::vector<int>& modes) {
  return std::all_of(modes.begin(), modes.end(), [](int mode) { return mode == 0; });
}

TEST_F(DeviceCommandWithoutTypeFilesTest, YesOpensTheDeviceWithoutLookingUpResourceFiles) {
  boxes().QueueAnswer(ui::vbYes, MsgMain(kMsgTypeFilesMissing));
  Command("Floor 1", "Room 101");

  ASSERT_EQ(boxes().Shown().size(), 1u);
  const ui::MessageBoxRequest& question = boxes().Shown()[0].request;
  EXPECT_EQ(question.prompt, MsgMain(kMsgTypeFilesMissing));
  EXPECT_EQ(question.buttons, (std::vector<int>{ui::vbYes, ui::vbNo}));
  EXPECT_EQ(question.icon, ui::MsgIcon::Exclamation);

  EXPECT_EQ(Panel(1), "Room 101");
  EXPECT_EQ(Panel(2), "QVR-L2");
  EXPECT_EQ(Panel(4), "Cnfg Online");
  EXPECT_TRUE(AllZero(ObjectModes(Device("Floor 1", "Room 101"))));
  EXPECT_EQ(std::count(progressTexts.begin(), progressTexts.end(), MsgMain(kMsgDrfLookUp)), 0);
  EXPECT_FALSE(ProgressWindowsLoaded());
}

TEST_F(DeviceCommandWithoutTypeFilesTest, NoEndsTheCommandAndTheNextCommandAsksAgain) {
  boxes().QueueAnswer(ui::vbNo, MsgMain(kMsgTypeFilesMissing));
  Command("Floor 1", "Room 101");

  EXPECT_FALSE(program().framework.CurrentDevice) << "a declined device does not become the window's";
  EXPECT_FALSE(program().model.SettingsPending);
  EXPECT_EQ(program().model.DeviceTypeName, "");
  EXPECT_EQ(tables().NciCount, 0);
  EXPECT_EQ(Panel(4), "");
  EXPECT_EQ(window().chkMonitor.Value(), ui::vbUnchecked);
  // Declining leaves no splash or progress window (and hourglass) behind.
  EXPECT_FALSE(ProgressWindowsLoaded());

  // A missing set is not remembered: the catalogue is asked again, and now it lists the set.
  boxes().QueueAnswer(ui::vbNo, MsgMain(kMsgTypeFilesMissing));
  Command("Floor 1", "Room 102");
  EXPECT_EQ(boxes().Shown().size(), 2u);
  qvr::InstallTypeFiles(program());
  Command("Floor 1", "Room 102");
  EXPECT_EQ(boxes().Shown().size(), 2u);
  EXPECT_EQ(Panel(1), "Room 102");
}

TEST_F(DeviceCommandTest, LocalServerLooksUpTheResourceFilesWithoutAQuestion) {
  Command("Floor 1", "Room 101");

  EXPECT_TRUE(boxes().Shown().empty());
  EXPECT_EQ(std::count(progressTexts.begin(), progressTexts.end(), MsgMain(kMsgDrfLookUp)), 1);
  const std::vector<int> modes = ObjectModes(Device("Floor 1", "Room 101"));
  ASSERT_FALSE(modes.empty());
  // The maker's profile file is of scope 3 and holds every profile of the models.
  EXPECT_TRUE(std::all_of(modes.begin(), modes.end(), [](int mode) { return mode == 3; }));
  EXPECT_EQ(Panel(4), "Cnfg Online");
}

TEST_F(DeviceCommandTest, RemoteClientSkipsTheLookUpAndAsksNothing) {
  program().framework.IsRemoteClient = true;
  Command("Floor 1", "Room 101");

  EXPECT_TRUE(boxes().Shown().empty());
  EXPECT_TRUE(AllZero(ObjectModes(Device("Floor 1", "Room 101"))));
  EXPECT_EQ(std::count(progressTexts.begin(), progressTexts.end(), MsgMain(kMsgDrfLookUp)), 0);
  EXPECT_EQ(Panel(1), "Room 101");
  EXPECT_EQ(Panel(4), "Cnfg Online");
}

TEST_F(DeviceCommandTest, FailedLookUpAsksWhetherToGoOn) {
  // The type files were found once (and that is remembered); then the LonWorks folder moves away, so the
  // look-up cannot open the catalogue.
  ASSERT_TRUE(qvr::CheckTypeFilesInstalled(program()));
  const std::filesystem::path nowhere = program().MachineRoot() / "no-such-folder";
  qvr::CRegistry(program().Err, program().Registry())
      .MachineSetting(std::string(reg::kLonWorksKey), std::string(reg::kLonWorksPathValue), nowhere.string());

  boxes().QueueAnswer(ui::vbNo, MsgMain(kMsgLonMarkModesNotSet));
  Command("Floor 1", "Room 101");
  ASSERT_EQ(boxes().Shown().size(), 1u);
  EXPECT_EQ(boxes().Shown()[0].request.icon, ui::MsgIcon::Exclamation);
  EXPECT_EQ(boxes().Shown()[0].request.buttons, (std::vector<int>{ui::vbYes, ui::vbNo}));
  EXPECT_EQ(tables().NciCount, 0);
  EXPECT_EQ(Panel(4), "");
  EXPECT_FALSE(ProgressWindowsLoaded());

  boxes().QueueAnswer(ui::vbYes, MsgMain(kMsgLonMarkModesNotSet));
  Command("Floor 1", "Room 101");
  EXPECT_EQ(boxes().PendingAnswers(), 0u);
  EXPECT_EQ(Panel(4), "Cnfg Online");
  EXPECT_EQ(tables().NciCount, 56);
}

TEST_F(DeviceCommandTest, AnErrorOutsideTheStepsEndsInTheCommandsOwnBox) {
  program().framework.IsRemoteClient = true;
  lns::LnsAppDevice device = Device("Floor 1", "Room 101");
  // A system closed under the window: the device's program ID cannot be read any more.
  demo().Close();

  boxes().QueueAnswer(ui::vbCancel, "Device not online?");
  EXPECT_NO_THROW(Command(device));
  ASSERT_EQ(boxes().Shown().size(), 1u);
  const ui::MessageBoxRequest& box = boxes().Shown()[0].request;
  EXPECT_EQ(box.prompt, "Error: ProcessDeviceCommand in fMain\r\nDevice not online? Press Ok to Resume...");
  EXPECT_EQ(box.buttons, (std::vector<int>{ui::vbOK, ui::vbCancel}));
  EXPECT_EQ(box.title, qvr::Program::kApplicationTitle);
  EXPECT_FALSE(ProgressWindowsLoaded());
}

}  // namespace
}  // namespace mainwindow_test
