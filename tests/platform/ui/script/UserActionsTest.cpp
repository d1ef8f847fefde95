#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../UiTestSupport.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScriptStops.h"
#include "platform/ui/TabControl.h"
#include "platform/ui/TextBox.h"
#include "platform/ui/script/UserActions.h"

namespace {

class StatusForm : public ui::Form {
 public:
  explicit StatusForm(ui::Application& app) : Form(app, "fStatus") {}
  ui::CommandButton cmdStop{*this, "cmdStop"};
};

// A main window with a long operation that yields, a modal window, and controls a user cannot reach.
class MainForm : public ui::Form {
 public:
  MainForm(ui::Application& app, StatusForm& status, std::vector<std::string>& events)
      : Form(app, "fMain"), status_(status), events_(events) {
    tabs.AddTab("One");
    tabs.AddTab("Two");
    tabs.AddTab("Three");
    txtA.SetContainer(tabs, 1);
    txtB.SetContainer(tabs, 2);
    tabs.SetTabShown(2, false);
    cmdOff.SetEnabled(false);
    lblHidden.SetVisible(false);
    cbo.AddItem("Off");
    cbo.AddItem("On");
    txtA.OnKeyPress = [this](int& key) { events_.push_back("KeyPress " + std::to_string(key)); };
    cbo.OnClick = [this] { events_.push_back("cbo " + cbo.Text()); };
    cmdLong.OnClick = [this] {
      status_.Show();
      for (int yields = 0; yields < 10 && status_.IsLoaded(); ++yields) App().Loop().DoEvents();
      events_.push_back(status_.IsLoaded() ? "work ran to its end" : "work stopped");
    };
    cmdModal.OnClick = [this] {
      for (int yields = 0; yields < 3; ++yields) App().Loop().DoEvents();  // builds the window's contents
      status_.Show(ui::Modality::Modal, this);
      events_.push_back("modal closed");
    };
  }

  ui::TabControl tabs{*this, "tabs"};
  ui::TextBox txtA{*this, "txtA"};
  ui::TextBox txtB{*this, "txtB"};
  ui::CommandButton cmdOff{*this, "cmdOff"};
  ui::CommandButton cmdLong{*this, "cmdLong"};
  ui::CommandButton cmdModal{*this, "cmdModal"};
  ui::Label lbl{*this, "lbl"};
  ui::Label lblHidden{*this, "lblHidden"};
  ui::ComboBox cbo{*this, "cbo"};

 private:
  StatusForm& status_;
  std::vector<std::string>& events_;
};

class UserActionsTest : public ::testing::Test {
 protected:
  UserActionsTest() {
    ui.app.SetMainForm(&window);
    window.Show();
  }

  void Run(const std::vector<std::string>& lines) { ui::UserActions(lines, ui.app).Run(ui.loop); }

  // What stopped the script, "" when it ran through.
  std::string Refusal(const std::vector<std::string>& lines) {
    try {
      Run(lines);
    } catch (const ui::ActionRefused& refused) {
      return refused.what();
    }
    return {};
  }

  ui_test::HeadlessUi ui;
  std::vector<std::string> events;
  StatusForm status{ui.app};
  MainForm window{ui.app, status, events};
};

TEST_F(UserActionsTest, ActionsRunWhereTheEventLoopRuns) {
  // Work that yields every 400 ms, as monitoring does.
  auto ticker = ui.loop.CreateTimer([&] {
    ui.loop.DoEvents();
    events.push_back("tick");
  });
  ticker->SetInterval(400);
  ticker->SetEnabled(true);
  Run({"type txtA a1", "choose cbo #1", "click cmdLong", "close fStatus", "click cmdModal", "close fStatus",
       "wait 500", "choose cbo Off"});
  EXPECT_EQ(window.tabs.Tab(), 1) << "the page of txtA was selected first";
  EXPECT_EQ(window.txtA.Text(), "a1");
  EXPECT_EQ(events, (std::vector<std::string>{"KeyPress 97", "KeyPress 49", "cbo On", "work stopped",
                                              "modal closed", "tick", "cbo Off"}))
      << "the close came inside the work's yields and inside the modal window's loop (the yields before it "
         "opened left it queued); while the user waited, the yields took nothing";
  EXPECT_EQ(ui.loop.NowMs(), 500);
  EXPECT_EQ(ui.loop.UserInput(), nullptr) << "the script left the loop";

  EXPECT_THROW(Run({"click cmdModal"}), ui::UnscriptedDialog)
      << "the script ended with the modal window open";
  EXPECT_FALSE(status.Visible());
}

TEST_F(UserActionsTest, RefusesWhatAUserCouldNotDo) {
  const std::pair<std::string, std::string> refused[] = {
      {"click cmdOff", "cmdOff is disabled"},
      {"click lblHidden", "lblHidden is not visible"},
      {"type txtB x", "txtB stands on page 2 (\"Three\") of tabs, which is not shown"},
      {"click cmdNone", "fMain has no control cmdNone"},
      {"close fNowhere", "there is no form fNowhere"},
      {"click fStatus.cmdStop", "fStatus is not loaded"},
      {"choose cbo Maybe", "cbo has no entry \"Maybe\""},
      {"type lbl x", "lbl is a Label, not a text box"},
      {"send 13 7 Demo/Room", "there is no director here to send commands"},
      {"wait soon", "the time is not a whole number of milliseconds"},
      {"jump cmdOff", "unknown action \"jump\""},
      {"type txtA", "type needs more after txtA"},
      {"focus txtA now", "focus takes nothing after txtA"},
  };
  for (const auto& [line, reason] : refused) {
    EXPECT_EQ(Refusal({line}), "cannot " + line + ": " + reason);
  }
  EXPECT_EQ(window.txtB.Text(), "");
  EXPECT_EQ(window.tabs.Tab(), 0) << "nothing was done";
}

}  // namespace
