#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "UiTestSupport.h"
#include "platform/runtime/RuntimeErrors.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/ControlArray.h"
#include "platform/ui/Label.h"
#include "platform/ui/TextBox.h"
#include "platform/ui/UiError.h"

namespace ui_test {
namespace {

// Three chained row boxes and a companion combo box that follows the last one and writes it back.
class ChainForm : public RecordingForm {
 public:
  ChainForm(ui::Application& app, std::vector<std::string>& events) : RecordingForm(app, "fChain", events) {
    for (int index : {0, 1, 2}) txtRow.Add(index);
    txtRow.On(&ui::TextBox::OnChange, [this](int Index) { txtRow_Change(Index); });
    cmbRow.AddItem("SET_OFF");
    cmbRow.AddItem("SET_ON");
    cmbRow.OnClick = [this] { cmbRow_Click(); };
    chkFlag.OnClick = [this] { Record("chkFlag_Click " + std::to_string(chkFlag.Value())); };
    lblStatus.OnChange = [this] { Record("lblStatus_Change " + lblStatus.Caption()); };
  }

  ui::ControlArray<ui::TextBox> txtRow{*this, "txtRow"};
  ui::ComboBox cmbRow{*this, "cmbRow"};
  ui::CheckBox chkFlag{*this, "chkFlag"};
  ui::Label lblStatus{*this, "lblStatus"};
  int depth = 0;

 private:
  void txtRow_Change(int Index) {
    ++depth;
    Record("txtRow_Change(" + std::to_string(Index) + ") depth " + std::to_string(depth) + " \"" +
           txtRow[Index].Text() + "\"");
    if (Index < 2) {
      txtRow[Index + 1].SetText(txtRow[Index].Text() + "+");
    } else {
      cmbRow.SetListIndex(txtRow[2].Text().rfind("SET_ON", 0) == 0 ? 1 : 0);
    }
    Record("txtRow_Change(" + std::to_string(Index) + ") done");
    --depth;
  }

  void cmbRow_Click() {
    ++depth;
    Record("cmbRow_Click depth " + std::to_string(depth) + " " + std::to_string(cmbRow.ListIndex()));
    txtRow[2].SetText(cmbRow.Text() + " 0");
    --depth;
  }
};

TEST(EventSemantics, CodeWritesRunHandlersToTheEndBeforeReturningAndMayReEnter) {
  HeadlessUi ui;
  std::vector<std::string> events;
  ChainForm form(ui.app, events);
  form.Load();
  events.clear();

  form.txtRow[2].SetText("SET_ON 0");
  EXPECT_EQ(events, (std::vector<std::string>{
                        "fChain.txtRow_Change(2) depth 1 \"SET_ON 0\"",
                        "fChain.cmbRow_Click depth 2 1",
                        "fChain.txtRow_Change(2) done",
                    }))
      << "the combo box writes back the text the box already holds, so the mutual update comes to rest";

  events.clear();
  form.txtRow[0].SetText("a");
  EXPECT_EQ(events, (std::vector<std::string>{
                        "fChain.txtRow_Change(0) depth 1 \"a\"",
                        "fChain.txtRow_Change(1) depth 2 \"a+\"",
                        "fChain.txtRow_Change(2) depth 3 \"a++\"",
                        "fChain.cmbRow_Click depth 4 0",
                        "fChain.txtRow_Change(2) depth 5 \"SET_OFF 0\"",
                        "fChain.txtRow_Change(2) done",
                        "fChain.txtRow_Change(2) done",
                        "fChain.txtRow_Change(1) done",
                        "fChain.txtRow_Change(0) done",
                    }));
  EXPECT_EQ(form.txtRow[2].Text(), "SET_OFF 0");
  EXPECT_EQ(form.depth, 0);

  events.clear();
  form.chkFlag.SetValue(ui::vbGrayed);
  form.lblStatus.SetCaption("done");
  EXPECT_EQ(events, (std::vector<std::string>{"fChain.chkFlag_Click 2", "fChain.lblStatus_Change done"}));
  events.clear();
  form.txtRow[0].SetText("a");
  form.txtRow[2].SetText("SET_OFF 0");
  form.cmbRow.SetListIndex(0);
  form.chkFlag.SetValue(ui::vbGrayed);
  form.lblStatus.SetCaption("done");
  EXPECT_TRUE(events.empty()) << "writing what a control already holds raises nothing";
}

TEST(EventSemantics, InvalidValuesAreRefusedWithoutAnEvent) {
  HeadlessUi ui;
  std::vector<std::string> events;
  ChainForm form(ui.app, events);
  form.Load();
  events.clear();

  EXPECT_EQ(ErrorNumberOf([&] { form.cmbRow.SetListIndex(2); }), platform::kErrInvalidPropertyValue);
  EXPECT_EQ(ErrorNumberOf([&] { form.chkFlag.SetValue(3); }), platform::kErrInvalidPropertyValue);
  EXPECT_EQ(ErrorNumberOf([&] { form.txtRow[0].SetSelStart(-1); }), platform::kErrInvalidPropertyValue);
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(form.cmbRow.ListIndex(), -1);
  EXPECT_EQ(form.chkFlag.Value(), ui::vbUnchecked);
}

// A numeric box whose key handler filters, replaces and records what it saw.
class KeyForm : public RecordingForm {
 public:
  KeyForm(ui::Application& app, std::vector<std::string>& events) : RecordingForm(app, "fKeys", events) {
    txtNum.OnKeyPress = [this](int& KeyAscii) {
      Record("KeyPress " + std::to_string(KeyAscii) + " sees \"" + txtNum.Text() + "\"");
      if (KeyAscii == '.') {
        KeyAscii = ',';
      } else if (!(KeyAscii >= '0' && KeyAscii <= '9') && KeyAscii != ui::vbKeyBack && KeyAscii != ',' &&
                 KeyAscii < 128) {
        KeyAscii = 0;
      }
    };
    txtNum.OnChange = [this] { Record("Change \"" + txtNum.Text() + "\""); };
    txtNum.OnKeyDown = [this](int& KeyCode, int Shift) {
      Record("KeyDown " + std::to_string(KeyCode) + " shift " + std::to_string(Shift));
      if (KeyCode == 46) KeyCode = 0;
    };
  }

  ui::TextBox txtNum{*this, "txtNum"};
};

TEST(EventSemantics, KeyHandlersSeeTheKeyBeforeTheBoxAndMayDropOrReplaceIt) {
  HeadlessUi ui;
  std::vector<std::string> events;
  KeyForm form(ui.app, events);
  form.Show();
  events.clear();

  for (int key : {'1', 'x', '.', '5'}) form.txtNum.UserTypes(key);
  EXPECT_EQ(form.txtNum.Text(), "1,5");
  EXPECT_EQ(form.txtNum.SelStart(), 3);
  EXPECT_EQ(events, (std::vector<std::string>{
                        "fKeys.KeyPress 49 sees \"\"",
                        "fKeys.Change \"1\"",
                        "fKeys.KeyPress 120 sees \"1\"",
                        "fKeys.KeyPress 46 sees \"1\"",
                        "fKeys.Change \"1,\"",
                        "fKeys.KeyPress 53 sees \"1,\"",
                        "fKeys.Change \"1,5\"",
                    }));

  events.clear();
  form.txtNum.SetMaxLength(3);
  form.txtNum.UserTypes('7');
  EXPECT_EQ(form.txtNum.Text(), "1,5") << "a typed key beyond MaxLength is refused";
  form.txtNum.UserTypes(ui::vbKeyReturn);
  EXPECT_EQ(events,
            (std::vector<std::string>{"fKeys.KeyPress 55 sees \"1,5\"", "fKeys.KeyPress 13 sees \"1,5\""}))
      << "neither a refused key nor Enter changes a one-line box";

  form.txtNum.UserSelects(1, 2);
  form.txtNum.UserTypes('9');
  EXPECT_EQ(form.txtNum.Text(), "19") << "a typed key replaces the selection";
  form.txtNum.UserTypes(ui::vbKeyBack);
  form.txtNum.UserSelects(0, 0);
  form.txtNum.UserTypes(ui::vbKeyBack);
  EXPECT_EQ(form.txtNum.Text(), "1") << "Backspace at the start deletes nothing";

  form.txtNum.SetMaxLength(0);
  form.txtNum.UserSelects(1, 0);
  form.txtNum.UserTypes(0xE4);  // ä passes the filter (not ASCII) and counts as one character
  EXPECT_EQ(form.txtNum.Text(), "1\xC3\xA4");
  EXPECT_EQ(form.txtNum.SelStart(), 2);
  form.txtNum.UserTypes(ui::vbKeyBack);
  EXPECT_EQ(form.txtNum.Text(), "1");
  events.clear();
  EXPECT_EQ(form.txtNum.UserKeyDown(46, 1), 0) << "KeyDown may cancel the key";
  EXPECT_EQ(form.txtNum.UserKeyDown(37, 0), 37);
  form.txtNum.SetEnabled(false);
  form.txtNum.UserTypes('2');
  form.txtNum.UserSetsText("22");
  EXPECT_EQ(events, (std::vector<std::string>{"fKeys.KeyDown 46 shift 1", "fKeys.KeyDown 37 shift 0"}))
      << "a disabled box takes no input";

  form.txtNum.SetEnabled(true);
  form.txtNum.UserSetsText("22");
  EXPECT_EQ(form.txtNum.SelStart(), 2);
  form.txtNum.SetText("3");
  EXPECT_EQ(form.txtNum.SelStart(), 0) << "a text written by code puts the caret at the start";
}

class FocusForm : public RecordingForm {
 public:
  FocusForm(ui::Application& app, std::vector<std::string>& events) : RecordingForm(app, "fFocus", events) {
    for (ui::Control* control : std::vector<ui::Control*>{&txtA, &txtB, &cmdGo, &cmbPick}) {
      control->OnGotFocus = [this, control] { Record("GotFocus " + control->Name()); };
      control->OnLostFocus = [this, control] {
        Record("LostFocus " + control->Name());
        if (control == &txtB && txtB.Text() == "back") txtA.SetFocus();
      };
    }
    cmdGo.OnClick = [this] { Record("cmdGo_Click"); };
    cmbPick.AddItem("one");
    cmbPick.AddItem("two");
    cmbPick.OnClick = [this] { Record("cmbPick_Click"); };
  }

  ui::TextBox txtA{*this, "txtA"};
  ui::TextBox txtB{*this, "txtB"};
  ui::CommandButton cmdGo{*this, "cmdGo"};
  ui::ComboBox cmbPick{*this, "cmbPick"};
  ui::Label lblInfo{*this, "lblInfo"};
};

TEST(EventSemantics, FocusMovesRaiseLostFocusThenGotFocusAndClicksTakeTheFocusFirst) {
  HeadlessUi ui;
  std::vector<std::string> events;
  FocusForm form(ui.app, events);
  form.Load();
  EXPECT_EQ(ErrorNumberOf([&] { form.txtA.SetFocus(); }), platform::kErrInvalidCall)
      << "a hidden form takes no focus";
  form.Show();
  events.clear();

  form.txtA.SetFocus();
  form.UserMovesFocus(form.txtB);
  form.txtB.SetFocus();
  form.cmdGo.UserClicks();
  form.cmbPick.UserSelects(1);
  EXPECT_EQ(events, (std::vector<std::string>{
                        "fFocus.GotFocus txtA", "fFocus.LostFocus txtA", "fFocus.GotFocus txtB",
                        "fFocus.LostFocus txtB", "fFocus.GotFocus cmdGo", "fFocus.cmdGo_Click",
                        "fFocus.LostFocus cmdGo", "fFocus.GotFocus cmbPick", "fFocus.cmbPick_Click"}));
  EXPECT_EQ(form.ActiveControl(), &form.cmbPick);

  events.clear();
  form.txtA.SetEnabled(false);
  EXPECT_EQ(ErrorNumberOf([&] { form.txtA.SetFocus(); }), platform::kErrInvalidCall);
  EXPECT_EQ(ErrorNumberOf([&] { form.lblInfo.SetFocus(); }), platform::kErrInvalidCall)
      << "a label never takes the focus";
  form.UserMovesFocus(form.txtA);
  form.cmdGo.SetVisible(false);
  form.cmdGo.UserClicks();
  EXPECT_TRUE(events.empty()) << "refused focus moves and clicks on hidden buttons raise nothing";
  EXPECT_EQ(form.ActiveControl(), &form.cmbPick);

  form.txtA.SetEnabled(true);
  form.txtA.OnKeyPress = [](int& KeyAscii) {
    if (KeyAscii == ui::vbKeyReturn) KeyAscii = ui::vbKeyTab;
  };
  form.txtA.SetFocus();
  form.cmdGo.SetVisible(true);
  form.cmdGo.SetEnabled(false);
  events.clear();
  form.txtA.UserTypes(ui::vbKeyReturn);
  EXPECT_EQ(events, (std::vector<std::string>{"fFocus.LostFocus txtA", "fFocus.GotFocus txtB"}));
  form.txtB.UserTypes(ui::vbKeyTab);
  EXPECT_EQ(form.ActiveControl(), &form.cmbPick) << "a key turned into Tab moves on, past a disabled button";
  EXPECT_EQ(form.txtA.Text(), "");

  form.txtB.SetFocus();
  form.txtB.SetText("back");
  events.clear();
  form.UserMovesFocus(form.cmbPick);
  EXPECT_EQ(events, (std::vector<std::string>{"fFocus.LostFocus txtB", "fFocus.GotFocus txtA"}))
      << "a LostFocus handler that moves the focus itself has the last word";
  EXPECT_EQ(form.ActiveControl(), &form.txtA);
}

}  // namespace
}  // namespace ui_test
