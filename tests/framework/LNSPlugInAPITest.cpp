#include "framework/LNSPlugInAPI.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "PlugInFixture.h"
#include "mainwindow/device/fProgress.h"
#include "mainwindow/device/fStartbild.h"
#include "mainwindow/fMain.h"
#include "platform/Error.h"

namespace framework_test {
namespace {

class LNSPlugInAPITest : public PlugInTest {
 protected:
  bool ProgressWindowLoaded() {
    const qvr::fProgress* progress = program.Windows().Find<qvr::fProgress>();
    return progress && progress->IsLoaded();
  }
};

TEST_F(LNSPlugInAPITest, ConfigureAndTheOwnCommandOpenTheDeviceNamedByThePath) {
  qvr::LNSPlugInAPI plugIn(program);
  plugIn.SetNetworkName("Demo");

  Send(plugIn, 13, 7, "Demo/Floor 1/Room 102");
  ASSERT_TRUE(state.CurrentDevice.has_value());
  EXPECT_EQ(state.CurrentDevice->GetName(), "Room 102");
  EXPECT_EQ(state.CurrentDevice->GetSubsystems().Item(1).GetName(), "Floor 1");
  EXPECT_FALSE(ProgressWindowLoaded());

  Send(plugIn, 10000, 7, "Demo/Floor 2/Room 201");
  ASSERT_TRUE(state.CurrentDevice.has_value());
  EXPECT_EQ(state.CurrentDevice->GetName(), "Room 201");
  EXPECT_EQ(state.ObjectNamePartCount, 3);
}

TEST_F(LNSPlugInAPITest, TheProgressWindowIsPlacedShownAndClosedBeforeTheDeviceOpens) {
  // What each yield of the command lets the window show: the status line, or that the window is gone.
  std::vector<std::string> yields;
  float leftAtFirstYield = 0;
  std::function<void()> watch = [&] {
    qvr::fProgress* progress = program.Windows().Find<qvr::fProgress>();
    std::string seen = progress && progress->IsLoaded() && progress->Visible()
                           ? "shown: " + progress->lblStatus.Caption()
                           : std::string("closed");
    if (state.CurrentDevice) seen += " after the device";
    if (yields.empty() && progress) leftAtFirstYield = progress->Left();
    yields.push_back(seen);
    program.Ui().Loop().Post(watch);
  };
  qvr::LNSPlugInAPI plugIn(program);
  plugIn.SetNetworkName("Demo");
  program.Ui().Loop().Post(watch);

  Send(plugIn, 13, 7, "Demo/Floor 1/Room 101");

  // The main window's opening yields too, each time it paints its own status.
  ASSERT_GE(yields.size(), 3u);
  EXPECT_EQ(yields[0].rfind("shown: ", 0), 0u) << yields[0];
  EXPECT_EQ(yields[1], "shown: Initializing plug-in . . .");
  EXPECT_EQ(yields[2], "closed");
  // The resource look-up works on the device before it becomes the window's; from then on it stays.
  std::size_t later = 3;
  while (later < yields.size() && yields[later].find(" after the device") == std::string::npos) ++later;
  EXPECT_LT(later, yields.size());
  for (; later < yields.size(); ++later) {
    EXPECT_NE(yields[later].find(" after the device"), std::string::npos) << yields[later];
  }
  ASSERT_TRUE(state.CurrentDevice.has_value());

  const ui::Screen& screen = program.Ui().Screen();
  const double splashHeight = program.fStartbild().Height();
  const float expectedLeft =
      static_cast<float>((screen.Width() - (program.fMain().Width() + splashHeight / 2.1)) / 2);
  EXPECT_FLOAT_EQ(leftAtFirstYield, expectedLeft);
}

TEST_F(LNSPlugInAPITest, CommandsAndClassesOutsideTheTableAndMissingObjectsAreRefused) {
  qvr::LNSPlugInAPI plugIn(program);
  plugIn.SetNetworkName("Demo");
  const std::string device = "Demo/Floor 1/Room 101";

  ExpectHostError(RaisedBy([&] { Send(plugIn, 13, 8, device); }), 20004,
                  "Object type not supported for this command");
  EXPECT_FALSE(ProgressWindowLoaded());
  ExpectHostError(RaisedBy([&] { Send(plugIn, 10000, 5, device); }), 20004,
                  "Object type not supported for this command");
  ExpectHostError(RaisedBy([&] { Send(plugIn, 14, 7, device); }), 20003, "Command not supported");
  ExpectHostError(RaisedBy([&] { Send(plugIn, 0, 7, device); }), 20003, "Command not supported");
  ExpectHostError(RaisedBy([&] { Send(plugIn, 13, 7, "Demo/Floor 1/Nobody"); }), 20005, "Object not found");
  ExpectHostError(RaisedBy([&] { Send(plugIn, 13, 7, "Demo/Floor 2/Room 101"); }), 20005, "Object not found");
  ExpectHostError(RaisedBy([&] { Send(plugIn, 13, 7, "Room 101"); }), 20005, "Object not found");
  EXPECT_FALSE(state.CurrentDevice.has_value()) << "no refused command reaches the main window";
  EXPECT_FALSE(ProgressWindowLoaded());
}

TEST_F(LNSPlugInAPITest, OnlyObjectNotFoundKeepsItsEnglishTextInGerman) {
  fixture.SetLanguage("german");
  qvr::LNSPlugInAPI plugIn(program);
  plugIn.SetNetworkName("Demo");
  ExpectHostError(RaisedBy([&] { Send(plugIn, 13, 7, "Demo/Floor 1/Nobody"); }), 20005, "Object not found");
  const platform::RaisedError unsupported = RaisedBy([&] { Send(plugIn, 14, 7, "Demo/Floor 1/Room 101"); });
  EXPECT_EQ(unsupported.Number(), 20003);
  EXPECT_EQ(unsupported.Description(), program.texts.MsgPlugInAPI[5]);
  EXPECT_NE(unsupported.Description(), "Command not supported");
}

TEST_F(LNSPlugInAPITest, AFailedRegistrationRaises20000AfterClosingTheProgressWindow) {
  qvr::LNSPlugInAPI plugIn(program);
  // No network is named, so there is nothing to register in: the registration shows why and fails.
  fixture.services().Boxes().QueueAnswer(ui::vbOK, "Object variable or With block variable not set");
  ExpectHostError(RaisedBy([&] { Send(plugIn, 50, 7, ""); }), 20000, "Unable to register Supported Commands");
  EXPECT_FALSE(ProgressWindowLoaded());
  EXPECT_EQ(fixture.services().Boxes().PendingAnswers(), 0u);
  EXPECT_NE(program.Err.Description, "") << "the reason of the failure is kept";

  EXPECT_NO_THROW(Send(plugIn, 51, 7, "")) << "a deregistration that cannot run still succeeds";
  EXPECT_FALSE(ProgressWindowLoaded());
}

TEST_F(LNSPlugInAPITest, TheFirstObjectSetsUpAndTheLastEndsTheProgramWhileTheWindowIsHidden) {
  auto first = std::make_unique<qvr::LNSPlugInAPI>(program);
  EXPECT_EQ(state.InstanceCount, 1);
  EXPECT_EQ(state.CommandTable[0].CommandLabel, "Configure");
  EXPECT_EQ(state.CommandTable[1].CommandId, 10000);
  EXPECT_EQ(state.ObjectServer, &program.fMain().lcaOS());
  EXPECT_TRUE(program.fMain().IsLoaded());
  EXPECT_FALSE(program.fMain().Visible());

  state.CommandTable[0].CommandLabel = "marked";  // a second set-up would write it again
  first->SetNetworkName("Demo");
  auto second = std::make_unique<qvr::LNSPlugInAPI>(program);
  EXPECT_EQ(state.InstanceCount, 2);
  EXPECT_EQ(state.CommandTable[0].CommandLabel, "marked");
  EXPECT_TRUE(state.NetworkIsOpen);

  first.reset();
  EXPECT_EQ(state.InstanceCount, 1);
  EXPECT_FALSE(program.HasEnded());
  EXPECT_TRUE(program.fMain().IsLoaded());

  lns::LnsNetwork network = *state.CurrentNetwork;
  second.reset();
  EXPECT_EQ(state.InstanceCount, 0);
  EXPECT_TRUE(program.HasEnded());
  EXPECT_FALSE(program.Windows().Find<qvr::fMain>()->IsLoaded());
  EXPECT_FALSE(network.GetIsOpen());
  EXPECT_FALSE(state.NetworkIsOpen);
}

TEST_F(LNSPlugInAPITest, AVisibleWindowOutlivesTheLastObjectAndTheNextObjectSetsUpAgain) {
  auto first = std::make_unique<qvr::LNSPlugInAPI>(program);
  first->SetNetworkName("Demo");
  first->SetVisible(true);
  state.CommandTable[0].CommandLabel = "marked";
  first.reset();
  EXPECT_FALSE(program.HasEnded());
  EXPECT_TRUE(program.fMain().Visible());

  state.CurrentNetwork->Close();  // only a real open shows the current network open again
  qvr::LNSPlugInAPI next(program);
  EXPECT_EQ(state.CommandTable[0].CommandLabel, "Configure");
  EXPECT_FALSE(state.NetworkIsOpen);
  EXPECT_FALSE(state.ObjectServerIsOpen);
  next.SetNetworkName("Demo");
  EXPECT_TRUE(state.NetworkIsOpen);
  EXPECT_TRUE(state.CurrentNetwork->GetIsOpen());
  Send(next, 13, 7, "Demo/Floor 1/Room 104");
  EXPECT_EQ(state.CurrentDevice->GetName(), "Room 104");
}

// Without a director the close box ends the program, as the last window of a program does.
TEST_F(LNSPlugInAPITest, TheCloseBoxWithoutADirectorEndsTheProgram) {
  program.fMain().Show();
  program.fMain().UserCloses();
  EXPECT_TRUE(program.HasEnded());
  EXPECT_FALSE(program.Windows().Find<qvr::fMain>()->IsLoaded());
}

TEST_F(LNSPlugInAPITest, TheCloseBoxHidesTheWindowWhileADirectorHoldsAnObjectAndTheReleaseThenEnds) {
  auto plugIn = std::make_unique<qvr::LNSPlugInAPI>(program);
  plugIn->SetNetworkName("Demo");
  Send(*plugIn, 13, 7, "Demo/Floor 1/Room 101");
  plugIn->SetVisible(true);
  qvr::fMain& mainWindow = program.fMain();
  mainWindow.UserCloses();
  EXPECT_TRUE(mainWindow.IsLoaded());
  EXPECT_FALSE(mainWindow.Visible());
  EXPECT_FALSE(plugIn->Visible());
  EXPECT_FALSE(program.HasEnded());
  EXPECT_EQ(state.CurrentDevice->GetName(), "Room 101");

  plugIn.reset();
  EXPECT_TRUE(program.HasEnded());
  EXPECT_FALSE(mainWindow.IsLoaded());
}

TEST_F(LNSPlugInAPITest, AnObjectReleasedAfterTheProgramEndedLoadsNoWindowAgain) {
  auto plugIn = std::make_unique<qvr::LNSPlugInAPI>(program);
  program.fMain().EndPlugIn();  // as the user's exit does while a director still holds the object
  ASSERT_TRUE(program.HasEnded());
  const auto& pointers = fixture.services().TestScreen().PointerHistory();
  const std::size_t pointersBefore = pointers.size();
  plugIn.reset();
  EXPECT_EQ(pointers.size(), pointersBefore) << "the main window and its progress window were loaded again";
  EXPECT_EQ(state.InstanceCount, 0);
  EXPECT_FALSE(program.Windows().Find<qvr::fMain>()->IsLoaded());
  EXPECT_FALSE(program.Windows().Find<qvr::fProgress>()->IsLoaded());
}

}  // namespace
}  // namespace framework_test
