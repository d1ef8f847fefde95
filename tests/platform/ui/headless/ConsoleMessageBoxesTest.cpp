#include <gtest/gtest.h>

#include <sstream>

#include "platform/ui/ScriptStops.h"
#include "platform/ui/headless/ConsoleMessageBoxes.h"

namespace {

TEST(ConsoleMessageBoxes, WriteATellingBoxAsOneLineButRefuseToAnswerAQuestion) {
  std::ostringstream out;
  ui::ConsoleMessageBoxes boxes(out);

  EXPECT_EQ(
      boxes.Show(ui::MessageBoxRequest::FromStyle("Done\rVerify this\r\nand that", ui::vbInformation, "App")),
      ui::vbOK);
  EXPECT_EQ(out.str(), "App: Done Verify this and that\n");

  try {
    boxes.Show(ui::MessageBoxRequest::FromStyle("Remove it?", ui::vbYesNo + ui::vbDefaultButton2, "Tool"));
    FAIL() << "a question was answered by nobody";
  } catch (const ui::UnscriptedDialog& refused) {
    EXPECT_STREQ(refused.what(), "Tool: Remove it?");
  }
  EXPECT_EQ(out.str(), "App: Done Verify this and that\n") << "the question is told by whoever ends the run";
}

}  // namespace
