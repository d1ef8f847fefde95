#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "UiTestSupport.h"
#include "platform/ui/Label.h"
#include "platform/ui/Mouse.h"

namespace ui_test {
namespace {

class LinkForm : public RecordingForm {
 public:
  LinkForm(ui::Application& app, std::vector<std::string>& events) : RecordingForm(app, "fLinks", events) {
    lblLink.SetCaption("www.example.org");
    lblLink.SetMousePointer(ui::vbCustom);
    lblLink.SetMouseIcon("Hand.cur");
    lblLink.OnClick = [this] { Record("lblLink_Click"); };
    lblLink.OnMouseMove = [this](int Button, int Shift, float X, float Y) {
      Record("lblLink_MouseMove " + std::to_string(Button) + " " + std::to_string(Shift) + " " +
             std::to_string(static_cast<int>(X)) + " " + std::to_string(static_cast<int>(Y)));
    };
  }

  ui::Label lblLink{*this, "lblLink"};
};

TEST(LabelInput, ClicksReachAnEnabledVisibleLabelOfALoadedFormAndThePointerStartsFromTheDesign) {
  HeadlessUi ui;
  std::vector<std::string> events;
  LinkForm form(ui.app, events);

  // Unloaded: the input is ignored and loads nothing.
  form.lblLink.UserClicks();
  form.lblLink.UserMovesMouse(0, 0, 10, 20);
  EXPECT_TRUE(events.empty());
  EXPECT_FALSE(form.IsLoaded());

  form.Show();
  events.clear();
  form.lblLink.UserMovesMouse(ui::vbLeftButton, 2, 15, 30);
  form.lblLink.UserClicks();
  EXPECT_EQ(events, (std::vector<std::string>{"fLinks.lblLink_MouseMove 1 2 15 30", "fLinks.lblLink_Click"}));
  // A label takes no focus.
  EXPECT_EQ(form.ActiveControl(), nullptr);

  events.clear();
  form.lblLink.SetEnabled(false);
  form.lblLink.UserClicks();
  form.lblLink.SetEnabled(true);
  form.lblLink.SetVisible(false);
  form.lblLink.UserMovesMouse(0, 0, 1, 1);
  EXPECT_TRUE(events.empty());

  // The custom pointer starts from the design at every load.
  form.lblLink.SetVisible(true);
  EXPECT_EQ(form.lblLink.MousePointer(), ui::vbCustom);
  EXPECT_EQ(form.lblLink.MouseIcon(), "Hand.cur");
  form.lblLink.SetMouseIcon("/usr/share/cursors/hand.cur");
  form.lblLink.SetMousePointer(0);
  EXPECT_EQ(form.lblLink.MouseIcon(), "/usr/share/cursors/hand.cur");
  form.Unload();
  EXPECT_EQ(form.lblLink.MousePointer(), ui::vbCustom);
  EXPECT_EQ(form.lblLink.MouseIcon(), "Hand.cur");
}

}  // namespace
}  // namespace ui_test
