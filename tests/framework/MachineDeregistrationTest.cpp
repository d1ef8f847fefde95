// Deregistering the plug-in on the machine: the COM class removed by a second instance of the program, the
// plug-in key deleted, the messages, and the deregistration modes.

#include <gtest/gtest.h>

#include "StandAloneTestSupport.h"
#include "framework/MachineRegistration.h"
#include "mainwindow/fMain.h"

namespace framework_test {
namespace {

class MachineDeregistrationTest : public StandAloneTest {
 protected:
  MachineDeregistrationTest() : StandAloneTest("/deregplugin") {}

  bool MainWindowLoaded() {
    const qvr::fMain* mainWindow = program.Windows().Find<qvr::fMain>();
    return mainWindow && mainWindow->IsLoaded();
  }
};

TEST_F(MachineDeregistrationTest, MachineOnlyModesDeleteTheKeyWithoutOpeningAnyNetwork) {
  for (std::int32_t mode : {-1, 2, -7}) {
    SCOPED_TRACE(mode);
    RegisterEarlier("1.5");
    Boxes().QueueEnter();
    qvr::DeregisterPlugIn(program, mode, false);

    EXPECT_FALSE(KeyExists());
    EXPECT_EQ(Shell().Started().back(), Started("/unregserver"));
    ASSERT_FALSE(Boxes().Shown().empty()) << "the machine's messages show whatever showMessages says";
    EXPECT_EQ(Boxes().Shown().back().request.prompt, "Plug-in Calyxtern_qvr_lon_PlugIn deregistered");
    EXPECT_EQ(Boxes().Shown().back().request.icon, ui::MsgIcon::Information);
    EXPECT_EQ(Boxes().Shown().back().request.title, "Calyxtern_qvr_lon_PlugIn");
    EXPECT_FALSE(MainWindowLoaded()) << "no Object Server, hence no main window";
    EXPECT_FALSE(program.framework.ShowProgress);
  }
}

TEST_F(MachineDeregistrationTest, AMissingKeyIsReportedInTheRegisteredOrChosenLanguage) {
  ASSERT_TRUE(KeyExists());  // the machine root's key holds the language alone
  Boxes().QueueEnter("deregistered");
  qvr::DeregisterPlugIn(program, -1, true);
  Boxes().QueueEnter();
  qvr::UnregisterPlugIn(program, true);
  EXPECT_EQ(Boxes().Shown().back().request.prompt,
            "Plug-in Calyxtern_qvr_lon_PlugIn does not exisit in the Windows registery");

  program.framework.RegisterLanguage = "german";
  Boxes().QueueEnter();
  qvr::UnregisterPlugIn(program, true);
  EXPECT_EQ(Boxes().Shown().back().request.prompt,
            "Plug-in Calyxtern_qvr_lon_PlugIn existiert nicht in der Windows registery");
}

TEST_F(MachineDeregistrationTest, AComDeregistrationThatCannotStartKeepsTheKey) {
  RegisterEarlier("1.5");
  Shell().SetFailing(true);
  Boxes().QueueEnter();
  qvr::UnregisterPlugIn(program, true);
  EXPECT_TRUE(KeyExists());
  ASSERT_EQ(Boxes().Shown().size(), 1u);
  const ui::MessageBoxRequest& box = Boxes().Shown()[0].request;
  EXPECT_EQ(box.prompt,
            "Plug-in Calyxtern_qvr_lon_PlugIn.LNSPlugInAPI deregistration as COM server failed\rVerify that "
            "there are not instances running\rFile not found: " +
                kProgramFile);
  EXPECT_EQ(box.icon, ui::MsgIcon::Critical);

  // Silently the key stays too.
  qvr::UnregisterPlugIn(program, false);
  EXPECT_TRUE(KeyExists());
  EXPECT_EQ(Boxes().Shown().size(), 1u);
}

TEST_F(MachineDeregistrationTest, UnregisteringWithoutMessagesShowsNothing) {
  RegisterEarlier("1.5");
  qvr::UnregisterPlugIn(program, false);
  EXPECT_FALSE(KeyExists());
  qvr::UnregisterPlugIn(program, false);
  EXPECT_TRUE(Boxes().Shown().empty());
  EXPECT_EQ(Shell().Started().size(), 2u);
}

TEST_F(MachineDeregistrationTest, NetworkModesDeregisterFromTheNetworksFirstAndOnlyModeOneOffersTemplates) {
  fixture.AddNetwork("Spare", testsupport::ProgramFixture::ImportModels);
  for (std::int32_t mode : {0, 1}) {
    SCOPED_TRACE(mode);
    RegisterEarlier("1.5");
    if (mode == 1) KeepUnusedTemplates(Boxes());
    Boxes().QueueEnter("deregistered");
    qvr::DeregisterPlugIn(program, mode, true);

    EXPECT_TRUE(program.framework.ShowProgress);
    EXPECT_TRUE(MainWindowLoaded()) << "the networks are reached through the main window's Object Server";
    EXPECT_FALSE(program.framework.CurrentNetwork.has_value());
    EXPECT_FALSE(KeyExists());
    EXPECT_EQ(Boxes().PendingAnswers(), 0u);
  }

  // Without messages the networks are walked silently: no question, only the machine's own message.
  RegisterEarlier("1.5");
  Boxes().QueueEnter("deregistered");
  const std::size_t shownBefore = Boxes().Shown().size();
  qvr::DeregisterPlugIn(program, 1, false);
  EXPECT_EQ(Boxes().Shown().size(), shownBefore + 1);
}

}  // namespace
}  // namespace framework_test
