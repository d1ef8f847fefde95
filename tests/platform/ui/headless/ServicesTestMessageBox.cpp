#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "../UiTestSupport.h"
#include "platform/ui/ScriptStops.h"
#include "platform/ui/headless/HeadlessServices.h"

namespace ui_test {
namespace {

TEST(ServicesMessageBox, StyleNumbersDecodeIntoButtonsIconDefaultAndEscape) {
  struct Case {
    int style;
    std::vector<int> buttons;
    ui::MsgIcon icon;
    int defaultAnswer;
    int escapeAnswer;  // 0: the box must be answered with a button
  };
  const Case cases[] = {
      {ui::vbAbortRetryIgnore + ui::vbInformation,
       {ui::vbAbort, ui::vbRetry, ui::vbIgnore},
       ui::MsgIcon::Information,
       ui::vbAbort,
       0},
      {ui::vbYesNo + ui::vbDefaultButton2, {ui::vbYes, ui::vbNo}, ui::MsgIcon::None, ui::vbNo, 0},
      {ui::vbYesNoCancel + ui::vbQuestion + ui::vbDefaultButton3,
       {ui::vbYes, ui::vbNo, ui::vbCancel},
       ui::MsgIcon::Question,
       ui::vbCancel,
       ui::vbCancel},
      // A default past the last button falls back to the first.
      {ui::vbCritical + ui::vbDefaultButton3, {ui::vbOK}, ui::MsgIcon::Critical, ui::vbOK, ui::vbOK},
      {ui::vbRetryCancel + ui::vbExclamation,
       {ui::vbRetry, ui::vbCancel},
       ui::MsgIcon::Exclamation,
       ui::vbRetry,
       ui::vbCancel},
  };
  for (const Case& c : cases) {
    const auto request = ui::MessageBoxRequest::FromStyle("p", c.style, "t");
    EXPECT_EQ(request.style, c.style);
    EXPECT_EQ(request.buttons, c.buttons) << c.style;
    EXPECT_EQ(request.icon, c.icon) << c.style;
    EXPECT_EQ(request.DefaultAnswer(), c.defaultAnswer) << c.style;
    EXPECT_EQ(request.escapeAnswer, c.escapeAnswer) << c.style;
  }
  EXPECT_EQ(ErrorNumberOf([] { ui::MessageBoxRequest::FromStyle("p", 6, ""); }), 5) << "no button set 6";
}

TEST(ServicesMessageBox, QueuedAnswersAreReturnedInOrderAndEveryBoxIsRecorded) {
  ui::HeadlessServices services;
  services.SetApplicationTitle("Calyxtern_qvr_lon_PlugIn");
  auto& boxes = services.Boxes();
  boxes.QueueAnswer(ui::vbNo, "Transmit");
  boxes.QueueEnter();
  boxes.QueueEscape();
  EXPECT_EQ(services.MsgBox("Transmit parameters?", ui::vbYesNo, " ! No Device selected !"), ui::vbNo);
  EXPECT_EQ(services.MsgBox("Exit?", ui::vbYesNo + ui::vbDefaultButton2), ui::vbNo) << "Enter: the default";
  EXPECT_EQ(services.MsgBox("Resume?", ui::vbOKCancel), ui::vbCancel);
  EXPECT_EQ(boxes.PendingAnswers(), 0u);
  ASSERT_EQ(boxes.Shown().size(), 3u);
  EXPECT_EQ(boxes.Shown()[0].request.title, " ! No Device selected !");
  EXPECT_EQ(boxes.Shown()[1].request.title, "Calyxtern_qvr_lon_PlugIn") << "no title shows the application's";
  EXPECT_EQ(boxes.Shown()[2].answer, ui::vbCancel);
}

TEST(ServicesMessageBox, ABoxTheScriptDidNotExpectFailsWithItsText) {
  ui::HeadlessServices services;
  auto& boxes = services.Boxes();

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

TEST(ServicesMessageBox, DoEventsRunsWhatIsPendingAndTimersOnlyWhenDue) {
  ui::HeadlessServices services;
  int ran = 0;
  services.Loop().Post([&] { ++ran; });
  auto timer = services.Loop().CreateTimer([&] { ran += 10; });
  timer->SetInterval(100);
  timer->SetEnabled(true);
  services.DoEvents();
  EXPECT_EQ(ran, 1);
  services.TestLoop().Advance(100);
  EXPECT_EQ(ran, 11);
}

}  // namespace
}  // namespace ui_test
