#include <gtest/gtest.h>

#include <sstream>

#include "platform/ui/ConsoleServices.h"

namespace {

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
