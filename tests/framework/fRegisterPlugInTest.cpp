// The registration dialog: its design, the language choice and its three buttons, each of which ends the
// program.

#include <gtest/gtest.h>

#include "Golden.h"
#include "StandAloneTestSupport.h"
#include "framework/fRegisterPlugIn.h"
#include "identity/PlugInIdentity.h"
#include "mainwindow/fMain.h"
#include "platform/ui/Snapshot.h"

namespace framework_test {
namespace {

class fRegisterPlugInTest : public StandAloneTest {
 protected:
  fRegisterPlugInTest() : StandAloneTest("") {}

  qvr::fRegisterPlugIn& Dialog() { return program.Windows().Get<qvr::fRegisterPlugIn>(program); }
  // Shows the dialog as a stand-alone start does.
  qvr::fRegisterPlugIn& ShowDialog() {
    qvr::fRegisterPlugIn& dialog = Dialog();
    dialog.Show(ui::Modality::Modeless);
    return dialog;
  }
};

TEST_F(fRegisterPlugInTest, LoadingShowsTheReviewedWindowCentredWithDeutschSelectedButNotChosen) {
  qvr::fRegisterPlugIn& dialog = ShowDialog();
  testsupport::ExpectGolden(__FILE__, "fRegisterPlugIn", ui::Snapshot(dialog));
  EXPECT_EQ(dialog.Language.List(dialog.Language.ListIndex()), "Deutsch");
  EXPECT_EQ(program.framework.RegisterLanguage, "") << "selecting by program chooses nothing";
  const ui::Screen& screen = program.Ui().Screen();
  EXPECT_NEAR(dialog.Left() + dialog.Width() / 2, screen.Width() / 2, 1);
  EXPECT_NEAR(dialog.Top() + dialog.Height() / 2, screen.Height() / 2, 1);
}

TEST_F(fRegisterPlugInTest, RegisterWithoutTouchingTheLanguageRegistersInGermanAndEnds) {
  qvr::fRegisterPlugIn& dialog = ShowDialog();
  Boxes().QueueEnter("Plug-in wurde registriert als Calyxtern_qvr_lon_PlugIn.LNSPlugInAPI");
  dialog.bRegister.UserClicks();
  EXPECT_EQ(KeyValue("Language"), "german");
  EXPECT_EQ(KeyValue(""), qvr::kProgId);
  EXPECT_TRUE(program.HasEnded());
  EXPECT_FALSE(dialog.IsLoaded());
  EXPECT_EQ(program.Windows().Find<qvr::fMain>(), nullptr) << "ending loads no main window";
  EXPECT_TRUE(Shell().Started().empty()) << "a run without a command line registers the class itself";
}

TEST_F(fRegisterPlugInTest, TheLanguageFollowsThePickedOrTypedEntry) {
  qvr::fRegisterPlugIn& dialog = ShowDialog();
  dialog.Language.UserSelects(1);
  Boxes().QueueEnter("Plug-in registered as ");
  dialog.bRegister.UserClicks();
  EXPECT_EQ(KeyValue("Language"), "english");

  // Typing names the entry; a text that is no entry leaves the language as it was.
  qvr::fRegisterPlugIn& again = ShowDialog();
  again.Language.UserSelects(1);
  again.Language.UserEditsText("Deutsch");
  EXPECT_EQ(program.framework.RegisterLanguage, "german");
  again.Language.UserEditsText("Français");
  EXPECT_EQ(again.Language.ListIndex(), -1);
  EXPECT_EQ(program.framework.RegisterLanguage, "german");
  Boxes().QueueEnter("Die neuere Version des Plug-in wurde registriert als ");
  again.bRegister.UserClicks();
  EXPECT_EQ(KeyValue("Language"), "german");
}

TEST_F(fRegisterPlugInTest, TheConfirmationSpeaksTheLanguageNowStored) {
  RegisterEarlier("1.5");
  SetKeyValue("Language", "german");
  qvr::fRegisterPlugIn& dialog = ShowDialog();
  dialog.Language.UserEditsText("Français");
  Boxes().QueueEnter();
  dialog.bRegister.UserClicks();
  EXPECT_EQ(KeyValue("Language"), "");
  ASSERT_FALSE(Boxes().Shown().empty());
  EXPECT_EQ(Boxes().Shown().back().request.prompt,
            "Updated version of plug-in registered as Calyxtern_qvr_lon_PlugIn.LNSPlugInAPI");
}

TEST_F(fRegisterPlugInTest, WhileDeregisteringNoButtonWorksAndTheWindowCannotBeClosed) {
  RegisterEarlier("1.5");
  qvr::fRegisterPlugIn& dialog = ShowDialog();
  bool checked = false;
  // Runs in the window events that the deregistration lets run after disabling the buttons.
  program.Ui().Loop().Post([&] {
    EXPECT_FALSE(dialog.bRegister.Enabled());
    EXPECT_FALSE(dialog.bDeregister.Enabled());
    EXPECT_FALSE(dialog.bExit.Enabled());
    dialog.bExit.UserClicks();
    dialog.bRegister.UserClicks();
    dialog.UserCloses();
    EXPECT_TRUE(dialog.IsLoaded());
    EXPECT_FALSE(program.HasEnded());
    checked = true;
  });
  Boxes().QueueEnter("Plug-in Calyxtern_qvr_lon_PlugIn deregistered");
  dialog.bDeregister.UserClicks();

  EXPECT_TRUE(checked);
  EXPECT_FALSE(KeyExists());
  EXPECT_EQ(Shell().Started(), (std::vector<std::vector<std::string>>{Started("/unregserver")}));
  EXPECT_TRUE(program.HasEnded());
  EXPECT_EQ(Boxes().PendingAnswers(), 0u);
}

TEST_F(fRegisterPlugInTest, DeregisteringThroughTheNetworksOffersTemplatesAndEndsThroughTheMainWindow) {
  fixture.AddNetwork("Spare", testsupport::ProgramFixture::ImportModels);
  RegisterEarlier("1.5");
  qvr::fRegisterPlugIn& dialog = ShowDialog();
  KeepUnusedTemplates(Boxes());
  Boxes().QueueEnter("deregistered");
  dialog.bDeregister.UserClicks();
  EXPECT_TRUE(program.HasEnded());
  const auto* mainWindow = program.Windows().Find<qvr::fMain>();
  ASSERT_NE(mainWindow, nullptr);
  EXPECT_FALSE(mainWindow->IsLoaded()) << "the main window's shut-down unloaded it";
  EXPECT_FALSE(program.framework.ObjectServerIsOpen);
  EXPECT_EQ(Boxes().PendingAnswers(), 0u);
}

TEST_F(fRegisterPlugInTest, ExitAndTheCloseBoxEndTheProgramWithoutRegistering) {
  ShowDialog().bExit.UserClicks();
  EXPECT_TRUE(program.HasEnded());

  testsupport::ProgramFixture run;
  qvr::fRegisterPlugIn& dialog = run.program().Windows().Get<qvr::fRegisterPlugIn>(run.program());
  dialog.Show(ui::Modality::Modeless);
  dialog.UserCloses();
  EXPECT_TRUE(run.program().HasEnded());
  EXPECT_EQ(KeyValue(""), "");
  EXPECT_TRUE(Boxes().Shown().empty());
}

}  // namespace
}  // namespace framework_test
