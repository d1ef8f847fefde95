// Shutting the plug-in down: EndPlugIn, the exit command's question and the log commands.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "DemoMachineFixture.h"
#include "mainwindow/device/fProgress.h"
#include "mainwindow/device/fStartbild.h"
#include "program/Program.h"

namespace mainwindow_test {

using namespace testsupport;
namespace {

constexpr std::size_t kMsgOneDirector = 20;
constexpr std::size_t kMsgThereAre = 21;
constexpr std::size_t kMsgDirectorsUsing = 22;

// Whether window F is loaded; asking does not load it, unlike the program's accessors.
template <class F>
bool Loaded(qvr::Program& program) {
  const F* window = program.Windows().Find<F>();
  return window && window->IsLoaded();
}

std::string FileText(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST_F(DeviceCommandTest, EndPlugInClosesEverythingInOrderAndUnloadsEveryWindow) {
  Command("Floor 1", "Room 101");
  program().fStartbild();
  program().fProgress();
  ASSERT_TRUE(Loaded<qvr::fStartbild>(program()));
  // Taken before: reaching them through the program would load the main window again.
  qvr::fMain& mainWindow = window();
  lns::LnsObjectServer& objectServer = server();
  mainWindow.EndPlugIn();

  const qvr::FrameworkState& framework = program().framework;
  EXPECT_TRUE(program().HasEnded());
  EXPECT_FALSE(framework.CurrentDevice);
  EXPECT_FALSE(mainWindow.NvCollection);
  EXPECT_FALSE(framework.CurrentSystem);
  EXPECT_FALSE(framework.CurrentNetwork);
  EXPECT_FALSE(framework.NetworkIsOpen);
  EXPECT_FALSE(framework.ObjectServerIsOpen);
  EXPECT_EQ(framework.ObjectServer, &objectServer);
  EXPECT_FALSE(objectServer.IsOpen());
  EXPECT_EQ(program().Err.Number, 0);
  // The main window's unload takes every other window with it.
  EXPECT_FALSE(Loaded<qvr::fMain>(program()));
  EXPECT_FALSE(Loaded<qvr::fStartbild>(program()));
  EXPECT_FALSE(Loaded<qvr::fProgress>(program()));
}

TEST_F(DeviceCommandTest, EndPlugInAfterTheNetworkWasClosedElsewhere) {
  Command("Floor 1", "Room 101");
  lns::LnsNetwork elsewhere = server().GetNetworks().Item("Demo");
  elsewhere.Close();
  lns::LnsObjectServer& objectServer = server();
  window().EndPlugIn();

  EXPECT_TRUE(program().HasEnded());
  EXPECT_EQ(program().Err.Number, 0);
  EXPECT_FALSE(program().framework.CurrentNetwork);
  EXPECT_FALSE(objectServer.IsOpen());
  EXPECT_FALSE(Loaded<qvr::fMain>(program()));
}

TEST_F(DeviceCommandTest, ExitWithoutDirectorsEndsAtOnce) {
  program().framework.InstanceCount = 0;
  window().mnuExit.UserClicks();
  EXPECT_TRUE(program().HasEnded());
  EXPECT_TRUE(boxes().Shown().empty());
}

TEST_F(DeviceCommandTest, ExitAsksWhileDirectorsHoldThePlugIn) {
  program().framework.InstanceCount = 1;
  boxes().QueueEnter(MsgMain(kMsgOneDirector));
  window().mnuExit.UserClicks();
  ASSERT_EQ(boxes().Shown().size(), 1u);
  const ui::MessageBoxRequest& question = boxes().Shown()[0].request;
  EXPECT_EQ(question.prompt, MsgMain(kMsgOneDirector));
  EXPECT_EQ(question.title, "Calyxtern_qvr_lon_PlugIn");
  EXPECT_EQ(question.buttons, (std::vector<int>{ui::vbYes, ui::vbNo}));
  EXPECT_EQ(question.icon, ui::MsgIcon::None);
  // Enter takes the default button, No.
  EXPECT_EQ(boxes().Shown()[0].answer, ui::vbNo);
  EXPECT_FALSE(program().HasEnded());

  program().framework.InstanceCount = 3;
  const std::string three = MsgMain(kMsgThereAre) + "3" + MsgMain(kMsgDirectorsUsing);
  boxes().QueueAnswer(ui::vbNo, three);
  window().mnuExit.UserClicks();
  EXPECT_EQ(boxes().Shown()[1].request.prompt, three);
  EXPECT_FALSE(program().HasEnded());
  EXPECT_TRUE(Loaded<qvr::fMain>(program()));

  boxes().QueueAnswer(ui::vbYes, three);
  window().mnuExit.UserClicks();
  EXPECT_TRUE(program().HasEnded());
  EXPECT_FALSE(Loaded<qvr::fMain>(program()));
}

TEST_F(DeviceCommandTest, LogMenuSavesAndClearsTheLog) {
  const std::filesystem::path file = program().MachineRoot() / "events.log";
  window().EchLog.LogLine("first");
  window().EchLog.ErrorLine("broken");
  services().TestDialogs().QueueFile(file.string());
  window().mnuSaveLogAs.UserClicks();
  EXPECT_EQ(FileText(file), window().EchLog.FileText());
  EXPECT_NE(FileText(file).find("broken"), std::string::npos);

  // Save writes the same file again without asking.
  window().EchLog.LogLine("second");
  window().mnuSaveLog.UserClicks();
  EXPECT_EQ(services().TestDialogs().FileDialogs().size(), 1u);
  EXPECT_NE(FileText(file).find("second"), std::string::npos);

  window().mnuClearLog.UserClicks();
  EXPECT_TRUE(window().EchLog.Lines().empty());
}

}  // namespace
}  // namespace mainwindow_test
