#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "platform/Error.h"
#include "platform/ui/ConsoleServices.h"
#include "platform/ui/HeadlessServices.h"
#include "platform/ui/HeadlessServicesScript.h"

namespace ui_test {
namespace {

TEST(ServicesMessageBox, StyleNumbersDecodeIntoButtonsIconAndDefault) {
  const auto abortRetryIgnore =
      ui::MessageBoxRequest::FromStyle("p", ui::vbAbortRetryIgnore + ui::vbInformation, "t");
  EXPECT_EQ(abortRetryIgnore.style, 66);
  EXPECT_EQ(abortRetryIgnore.buttons, (std::vector<int>{ui::vbAbort, ui::vbRetry, ui::vbIgnore}));
  EXPECT_EQ(abortRetryIgnore.icon, ui::MsgIcon::Information);
  EXPECT_EQ(abortRetryIgnore.DefaultAnswer(), ui::vbAbort);
  EXPECT_EQ(abortRetryIgnore.escapeAnswer, 0) << "Abort/Retry/Ignore must be answered with a button";

  const auto yesNo = ui::MessageBoxRequest::FromStyle("p", ui::vbYesNo + ui::vbDefaultButton2, "t");
  EXPECT_EQ(yesNo.icon, ui::MsgIcon::None);
  EXPECT_EQ(yesNo.DefaultAnswer(), ui::vbNo);

  const auto yesNoCancel =
      ui::MessageBoxRequest::FromStyle("p", ui::vbYesNoCancel + ui::vbQuestion + ui::vbDefaultButton3, "");
  EXPECT_EQ(yesNoCancel.DefaultAnswer(), ui::vbCancel);
  EXPECT_EQ(yesNoCancel.escapeAnswer, ui::vbCancel);
  EXPECT_EQ(yesNoCancel.icon, ui::MsgIcon::Question);

  const auto okOnly = ui::MessageBoxRequest::FromStyle("p", ui::vbCritical + ui::vbDefaultButton3, "");
  EXPECT_EQ(okOnly.buttons, (std::vector<int>{ui::vbOK}));
  EXPECT_EQ(okOnly.DefaultAnswer(), ui::vbOK) << "a default past the last button falls back to the first";
  EXPECT_EQ(okOnly.escapeAnswer, ui::vbOK);
  EXPECT_EQ(okOnly.icon, ui::MsgIcon::Critical);
  EXPECT_EQ(ui::MessageBoxRequest::FromStyle("p", ui::vbRetryCancel + ui::vbExclamation, "").icon,
            ui::MsgIcon::Exclamation);

  try {
    ui::MessageBoxRequest::FromStyle("p", 6, "");
    FAIL() << "button set 6 does not exist";
  } catch (const platform::RaisedError& error) {
    EXPECT_EQ(error.Number(), 5);
  }
}

TEST(ServicesMessageBox, QueuedAnswersAreReturnedInOrderAndEveryBoxIsRecorded) {
  ui::HeadlessServices services;
  services.SetApplicationTitle("Calyxtern_qvr_lon_PlugIn");
  auto& boxes = services.TestBoxes();
  boxes.QueueAnswer(ui::vbNo, "Transmit");
  boxes.QueueAnswer(ui::vbRetry);
  boxes.QueueEnter();
  boxes.QueueEscape();

  EXPECT_EQ(
      services.MsgBox("Transmit parameters to the current Device ?", ui::vbYesNo, " ! No Device selected !"),
      ui::vbNo);
  EXPECT_EQ(
      services.MsgBox("Error updating", ui::vbAbortRetryIgnore + ui::vbInformation, "fMain cmdApply_Click"),
      ui::vbRetry);
  EXPECT_EQ(services.MsgBox("Are you sure that you want to exit?", ui::vbYesNo + ui::vbDefaultButton2),
            ui::vbNo)
      << "Enter presses the default button";
  EXPECT_EQ(services.MsgBox("Device not online? Press Ok to Resume...", ui::vbOKCancel), ui::vbCancel);
  EXPECT_EQ(boxes.PendingAnswers(), 0u);

  const auto& shown = boxes.Shown();
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_EQ(shown[0].request.title, " ! No Device selected !");
  EXPECT_EQ(shown[0].request.buttons, (std::vector<int>{ui::vbYes, ui::vbNo}));
  EXPECT_EQ(shown[1].request.style, 66);
  EXPECT_EQ(shown[1].answer, ui::vbRetry);
  EXPECT_EQ(shown[2].request.title, "Calyxtern_qvr_lon_PlugIn") << "no title shows the application title";
  EXPECT_EQ(shown[3].request.prompt, "Device not online? Press Ok to Resume...");
}

TEST(ServicesMessageBox, ABoxTheScriptDidNotExpectFailsWithItsText) {
  ui::HeadlessServices services;
  auto& boxes = services.TestBoxes();

  try {
    services.MsgBox("A newer version of this plug-in is already registered", ui::vbInformation);
    FAIL() << "an unscripted box must not pass silently";
  } catch (const ui::UnscriptedDialog& error) {
    EXPECT_NE(std::string(error.what()).find("A newer version of this plug-in is already registered"),
              std::string::npos);
  }
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].answer, 0);

  boxes.QueueAnswer(ui::vbYes);
  EXPECT_THROW(services.MsgBox("Saved.", ui::vbOKOnly), ui::UnscriptedDialog) << "Yes is not on an OK box";

  boxes.QueueEscape();
  EXPECT_THROW(services.MsgBox("Proceed?", ui::vbYesNo), ui::UnscriptedDialog)
      << "Escape cannot close Yes/No";

  boxes.QueueAnswer(ui::vbYes, "Do you wish to continue?");
  try {
    services.MsgBox("Unable to set the Mode for the LonMark Objects, do you want to proceed?", ui::vbYesNo);
    FAIL() << "the box is not the one the script expected";
  } catch (const ui::UnscriptedDialog& error) {
    const std::string text = error.what();
    EXPECT_NE(text.find("Unable to set the Mode"), std::string::npos);
    EXPECT_NE(text.find("Do you wish to continue?"), std::string::npos);
  }
  EXPECT_EQ(boxes.PendingAnswers(), 0u);
}

TEST(ServicesMessageBox, ScreenAndDoEventsComeFromTheHeadlessBackEnd) {
  ui::HeadlessServices services;
  ui::Screen& screen = services.Screen();
  EXPECT_EQ(screen.Width(), 1024 * 15);
  EXPECT_EQ(screen.Height(), 768 * 15);
  services.TestScreen().SetPixels(800, 600);
  services.TestScreen().SetTwipsPerPixel(12, 12);
  EXPECT_EQ(screen.Width(), 9600);
  EXPECT_EQ(screen.TwipsPerPixelY(), 12);

  screen.SetMousePointer(ui::vbHourglass);
  screen.SetMousePointer(ui::vbDefault);
  EXPECT_EQ(screen.MousePointer(), ui::vbDefault);
  EXPECT_EQ(services.TestScreen().PointerHistory(), (std::vector<int>{ui::vbHourglass, ui::vbDefault}));

  int ran = 0;
  services.Loop().Post([&] { ++ran; });
  auto timer = services.Loop().CreateTimer([&] { ran += 10; });
  timer->SetInterval(100);
  timer->SetEnabled(true);
  services.DoEvents();
  EXPECT_EQ(ran, 1) << "DoEvents runs what is pending, and a timer only when it is due";
  services.TestLoop().Advance(100);
  EXPECT_EQ(ran, 11);
}

TEST(ConsoleMessageBoxes, WriteEachBoxAsOneLineAndTakeTheDefaultAnswer) {
  std::ostringstream out;
  ui::ConsoleServices services(out);
  services.SetApplicationTitle("App");

  EXPECT_EQ(services.MsgBox("Done\rVerify this\r\nand that", ui::vbInformation), ui::vbOK);
  EXPECT_EQ(services.MsgBox("Remove it?", ui::vbYesNo + ui::vbDefaultButton2, "Tool"), ui::vbNo);
  EXPECT_EQ(services.MsgBox("Go on?", ui::vbYesNo, "Tool"), ui::vbYes);
  EXPECT_EQ(out.str(),
            "App: Done Verify this and that\n"
            "Tool: Remove it? -> No (the default; nobody can be asked)\n"
            "Tool: Go on? -> Yes (the default; nobody can be asked)\n");
}

}  // namespace
}  // namespace ui_test
