#include <cstdint>

#include <gtest/gtest.h>

#include "PlugInFixture.h"
#include "framework/LNSPlugInAPI.h"
#include "mainwindow/fMain.h"

namespace framework_test {
namespace {

const char* const kReadOnly = "Attempt to write to read-only property";
const char* const kNotWhileMinOrMax = "Plug-in can't be moved or sized while minimized or maximized";

class LNSPlugInAPIWindowTest : public PlugInTest {
 protected:
  LNSPlugInAPIWindowTest() : PlugInTest(Networks::None) {}

  qvr::LNSPlugInAPI plugIn{program};
  qvr::fMain& mainWindow = program.fMain();
  ui::HeadlessScreen& screen = fixture.services().TestScreen();
};

TEST_F(LNSPlugInAPIWindowTest, PixelsAreTwipsDividedByEachDirectionsFactorHalvesToEven) {
  screen.SetTwipsPerPixel(15, 12);
  mainWindow.Move(0, 0, 9000, 1200);
  EXPECT_EQ(plugIn.Width(), 600);
  EXPECT_EQ(plugIn.Height(), 100);
  mainWindow.Move(0, 0, 9007, 1206);
  EXPECT_EQ(plugIn.Width(), 600);
  EXPECT_EQ(plugIn.Height(), 100) << "100.5 rounds to the even 100";
  mainWindow.Move(0, 0, 9008, 1218);
  EXPECT_EQ(plugIn.Width(), 601);
  EXPECT_EQ(plugIn.Height(), 102) << "101.5 rounds to the even 102";
  mainWindow.Move(1522.5f, 30, 9008, 1218);
  EXPECT_EQ(plugIn.Left(), 102);
  EXPECT_EQ(plugIn.Top(), 2) << "2.5 rounds to the even 2";
}

TEST_F(LNSPlugInAPIWindowTest, SizesAndPositionsAreSetInTwipsOnANormalWindow) {
  screen.SetTwipsPerPixel(15, 12);
  plugIn.SetLeft(100);
  EXPECT_FLOAT_EQ(mainWindow.Left(), 1500);
  plugIn.SetTop(10);
  EXPECT_FLOAT_EQ(mainWindow.Top(), 120);
  plugIn.SetWidth(640);
  EXPECT_FLOAT_EQ(mainWindow.Width(), 9600);
  plugIn.SetHeight(480);
  EXPECT_FLOAT_EQ(mainWindow.Height(), 5760);
  EXPECT_EQ(plugIn.Left(), 100);
  EXPECT_EQ(plugIn.Height(), 480);

  // A size beyond the screen is the screen's, as a window manager allows no larger window.
  plugIn.SetWidth(INT32_MAX);
  plugIn.SetHeight(INT32_MAX);
  EXPECT_FLOAT_EQ(mainWindow.Width(), static_cast<float>(screen.Width()));
  EXPECT_FLOAT_EQ(mainWindow.Height(), static_cast<float>(screen.Height()));
}

TEST_F(LNSPlugInAPIWindowTest, APositionReadsBackAsGivenOrIsRefused) {
  for (const std::int32_t left : {-100, INT32_MIN, 1'000'000}) {
    plugIn.SetLeft(left);
    EXPECT_EQ(plugIn.Left(), left);
  }
  plugIn.SetTop(-25);
  // Beyond what the window's twips hold: refused, and the window stays where it was.
  ExpectHostError(RaisedBy([&] { plugIn.SetTop(-1'000'000'000); }), 6, "Overflow");
  ExpectHostError(RaisedBy([&] { plugIn.SetLeft(INT32_MAX); }), 6, "Overflow");
  EXPECT_EQ(plugIn.Top(), -25);
  EXPECT_EQ(plugIn.Left(), 1'000'000);
}

TEST_F(LNSPlugInAPIWindowTest, AMinimisedOrMaximisedWindowIsNeitherMovedNorSized) {
  for (int windowState : {ui::vbMaximized, ui::vbMinimized}) {
    mainWindow.SetWindowState(windowState);
    const float left = mainWindow.Left();
    ExpectHostError(RaisedBy([&] { plugIn.SetLeft(100); }), 20006, kNotWhileMinOrMax);
    ExpectHostError(RaisedBy([&] { plugIn.SetTop(100); }), 20006, kNotWhileMinOrMax);
    ExpectHostError(RaisedBy([&] { plugIn.SetWidth(100); }), 20006, kNotWhileMinOrMax);
    ExpectHostError(RaisedBy([&] { plugIn.SetHeight(100); }), 20006, kNotWhileMinOrMax);
    EXPECT_EQ(mainWindow.Left(), left);
  }
}

TEST_F(LNSPlugInAPIWindowTest, AFixedBorderRefusesSizesBeforeTheWindowStateIsLookedAt) {
  mainWindow.SetWindowState(ui::vbMaximized);
  for (int border : {ui::vbFixedSingle, ui::vbFixedDialog, ui::vbFixedToolWindow}) {
    mainWindow.SetBorderStyle(border);
    ExpectHostError(RaisedBy([&] { plugIn.SetHeight(100); }), 20002, kReadOnly);
    ExpectHostError(RaisedBy([&] { plugIn.SetWidth(100); }), 20002, kReadOnly);
    ExpectHostError(RaisedBy([&] { plugIn.SetLeft(100); }), 20006, kNotWhileMinOrMax);
  }
  mainWindow.SetWindowState(ui::vbNormal);
  for (int border : {ui::vbBSNone, ui::vbSizable, ui::vbSizableToolWindow}) {
    mainWindow.SetBorderStyle(border);
    plugIn.SetWidth(200 + border);
    EXPECT_EQ(plugIn.Width(), 200 + border);
  }
}

TEST_F(LNSPlugInAPIWindowTest, TheWindowsOwnRefusalIsThePlugInsError) {
  plugIn.SetWidth(300);
  ExpectHostError(RaisedBy([&] { plugIn.SetWidth(-1); }), 380, "Invalid property value: negative size");
  ExpectHostError(RaisedBy([&] { plugIn.SetHeight(-20); }), 380, "Invalid property value: negative size");
  EXPECT_EQ(plugIn.Width(), 300);
}

TEST_F(LNSPlugInAPIWindowTest, MinimizingAHiddenWindowChangesItsStateButIsReported) {
  ASSERT_FALSE(plugIn.Visible());
  ExpectHostError(RaisedBy([&] { plugIn.SetMinimized(true); }), 20006,
                  "Can not modify the minimzed property when invisble. The property will be applied the next "
                  "time the plug-in is made visible");
  EXPECT_TRUE(plugIn.Minimized());
  EXPECT_EQ(mainWindow.WindowState(), ui::vbMinimized);

  plugIn.SetVisible(true);
  EXPECT_TRUE(mainWindow.Visible());
  plugIn.SetMinimized(false);
  EXPECT_FALSE(plugIn.Minimized());
  EXPECT_EQ(mainWindow.WindowState(), ui::vbNormal);
  plugIn.SetMinimized(true);
  EXPECT_EQ(mainWindow.WindowState(), ui::vbMinimized);
  mainWindow.SetWindowState(ui::vbMaximized);
  EXPECT_FALSE(plugIn.Minimized());
}

TEST_F(LNSPlugInAPIWindowTest, TheIdentityIsReadOnly) {
  const std::string version = plugIn.Version();
  ExpectHostError(RaisedBy([&] { plugIn.SetManufacturerID("1"); }), 20002, kReadOnly);
  ExpectHostError(RaisedBy([&] { plugIn.SetManufacturerName("x"); }), 20002, kReadOnly);
  ExpectHostError(RaisedBy([&] { plugIn.SetLcaVersion("4.0"); }), 20002, kReadOnly);
  ExpectHostError(RaisedBy([&] { plugIn.SetVersion("2.0"); }), 20002, kReadOnly);
  ExpectHostError(RaisedBy([&] { plugIn.SetName("other"); }), 20002, kReadOnly);
  EXPECT_EQ(plugIn.Version(), version);
}

TEST_F(LNSPlugInAPIWindowTest, TheDevelopmentProgramIdIsKeptOnlyWithSixteenCharacters) {
  EXPECT_EQ(plugIn.DevelopmentProgramId(), "");
  plugIn.SetDevelopmentProgramId("9FFF6E0A5A060409");
  EXPECT_EQ(plugIn.DevelopmentProgramId(), "9FFF6E0A5A060409");
  plugIn.SetDevelopmentProgramId("not hex at all!!");
  EXPECT_EQ(plugIn.DevelopmentProgramId(), "not hex at all!!") << "its characters are not checked";
  plugIn.SetDevelopmentProgramId("9FFF6E0A5A06040");
  EXPECT_EQ(plugIn.DevelopmentProgramId(), "");
  plugIn.SetDevelopmentProgramId("9FFF6E0A5A060409");
  plugIn.SetDevelopmentProgramId("9FFF6E0A5A0604090");
  EXPECT_EQ(plugIn.DevelopmentProgramId(), "");
  plugIn.SetDevelopmentProgramId(
      "\xC3\x84\xC3\x96\xC3\x9C"
      "0123456789ABC");  // "ÄÖÜ": 3 characters, 6 bytes
  EXPECT_EQ(plugIn.DevelopmentProgramId(),
            "\xC3\x84\xC3\x96\xC3\x9C"
            "0123456789ABC");
}

}  // namespace
}  // namespace framework_test
