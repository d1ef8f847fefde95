// The actions of a script run on the headless back end: a click reaches the button as a user's click does,
// and what a user could not do either is refused with the reason.

#include <gtest/gtest.h>

#include "UiModelTestSupport.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/FormRegistry.h"
#include "platform/ui/HeadlessActions.h"
#include "platform/ui/Label.h"

namespace {

class Dialog : public ui::Form {
 public:
  explicit Dialog(ui::Application& app)
      : Form(app, "fDialog"), bGo(*this, "bGo"), bOff(*this, "bOff"), lbl(*this, "lbl") {
    bGo.OnClick = [this] { ++clicks; };
    bOff.OnClick = [this] { ++clicks; };
  }
  ui::CommandButton bGo;
  ui::CommandButton bOff;
  ui::Label lbl;
  int clicks = 0;
};

std::string Refusal(const std::string& script, ui::FormRegistry& windows, bool ended = false) {
  try {
    ui::RunActions(ui::ActionLines(script), windows, [&] { return ended; });
  } catch (const ui::ActionRefused& refused) {
    return refused.what();
  }
  return "";
}

TEST(HeadlessActions, AClickReachesTheButtonAndWhatAUserCannotDoIsRefused) {
  uitest::HeadlessUi ui;
  ui::FormRegistry windows;
  Dialog& dialog = windows.Get<Dialog>(ui.app);
  dialog.bOff.SetEnabled(false);

  EXPECT_EQ(Refusal("click bGo\r\n\n  \nclick fDialog.bGo", windows), "");
  EXPECT_EQ(dialog.clicks, 2);

  EXPECT_EQ(Refusal("click bOff", windows), "cannot click bOff: it is disabled");
  EXPECT_EQ(Refusal("click lbl", windows), "cannot click lbl: it is no command button");
  EXPECT_EQ(Refusal("click fOther.bGo", windows), "cannot click fOther.bGo: no loaded window has it");
  EXPECT_EQ(Refusal("type bGo x", windows),
            "cannot type bGo x: the only action known here is \"click NAME\"");
  EXPECT_EQ(Refusal("click bGo", windows, true), "cannot click bGo: the program has ended");
  dialog.bGo.SetVisible(false);
  EXPECT_EQ(Refusal("click bGo", windows), "cannot click bGo: it is not visible");
  dialog.Unload();
  EXPECT_EQ(Refusal("click bGo", windows), "cannot click bGo: no loaded window has it");
  EXPECT_EQ(dialog.clicks, 2);
}

}  // namespace
