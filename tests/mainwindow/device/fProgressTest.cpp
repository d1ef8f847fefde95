#include "mainwindow/device/fProgress.h"

#include <gtest/gtest.h>

#include "ProgramFixture.h"
#include "mainwindow/device/fStartbild.h"
#include "mainwindow/fMain.h"
#include "program/Program.h"

namespace framework_test {
namespace {

class fProgressTest : public ::testing::Test {
 protected:
  testsupport::ProgramFixture fixture;
  qvr::Program& program = fixture.program();
  ui::HeadlessScreen& screen = fixture.services().TestScreen();

  // Where a window of the progress window's size would stand centred on the screen.
  float CentredLeft(qvr::fProgress& window) { return (screen.Width() - window.Width()) / 2.0f; }
  float CentredTop(qvr::fProgress& window) { return (screen.Height() - window.Height()) / 2.0f; }
};

TEST_F(fProgressTest, ASplashOf4000TwipsPutsTheWindowBelowAndLeftOfTheCentre) {
  program.fStartbild().SetHeight(4000);
  qvr::fProgress& window = program.fProgress();
  window.lblStatus.SetCaption("working");
  EXPECT_NEAR(CentredLeft(window) - window.Left(), 39.92f, 0.01f);
  EXPECT_NEAR(window.Top() - CentredTop(window), 1818.18f, 0.01f);
}

// The main window's start shows the splash beside the progress window and draws both before the device's
// work keeps the loop busy.
TEST_F(fProgressTest, TheMainWindowsStartDrawsTheSplashWithTheMakerAndTheProgram) {
  program.fMain();
  qvr::fStartbild& splash = program.fStartbild();
  ASSERT_TRUE(splash.Visible());
  EXPECT_GE(splash.RawState().repaints, 1);
  EXPECT_GE(program.fProgress().RawState().repaints, 1);
  EXPECT_TRUE(splash.lblFirma.Visible() && splash.lblProgramm.Visible());
  EXPECT_EQ(splash.lblFirma.Caption(), "Calyxtern Orvalis GmbH");
  EXPECT_EQ(splash.lblProgramm.Caption(), "Calyxtern_qvr_lon_PlugIn  Version 1.5");
}

TEST_F(fProgressTest, AStatusOnAnUnloadedWindowLoadsShowsAndPlacesIt) {
  qvr::fProgress* before = program.Windows().Find<qvr::fProgress>();
  ASSERT_EQ(before, nullptr);
  program.fStartbild();  // splash loaded first, as the main window's start does
  qvr::fProgress& window = program.fProgress();
  EXPECT_TRUE(window.Visible());
  EXPECT_EQ(screen.MousePointer(), 11) << "the hourglass is on while the window is loaded";
  window.lblStatus.SetCaption("Reading Network variables... ");
  EXPECT_EQ(window.lblStatus.Caption(), "Reading Network variables... ");

  const float placedLeft = window.Left();
  window.Move(10, 20);  // a user's own position holds until the status changes
  EXPECT_EQ(window.Left(), 10);
  window.lblStatus.SetCaption("next");
  EXPECT_EQ(window.Left(), placedLeft);

  screen.SetMousePointer(11);
  window.Unload();
  EXPECT_EQ(screen.MousePointer(), 0) << "unloading restores the default pointer";
}

TEST_F(fProgressTest, TheDesignTextShowsUntilTheFirstStatus) {
  qvr::fProgress& window = program.fProgress();
  EXPECT_EQ(window.lblStatus.Caption(), " Initialisiere PlugIn....");
  EXPECT_EQ(window.Caption(), "QVR Plug-in");
}

}  // namespace
}  // namespace framework_test
