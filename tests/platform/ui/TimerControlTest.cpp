#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "UiTestSupport.h"
#include "platform/ui/TextBox.h"
#include "platform/ui/Timer.h"
#include "platform/ui/UiError.h"
#include "platform/ui/UpDown.h"

namespace ui_test {
namespace {

// Auto-repeat as the spin buttons use it: mouse down switches the repeat timer on, mouse up off.
class SpinForm : public RecordingForm {
 public:
  SpinForm(ui::Application& app, platform::HeadlessEventLoop& loop, std::vector<std::string>& events)
      : RecordingForm(app, "fSpin", events) {
    Timer.SetInterval(250);
    Timer.SetEnabled(false);
    Timer.OnTimer = [this, &loop] {
      txtValue.SetText(std::to_string(std::stoi(txtValue.Text()) + 1));
      Record("Timer " + std::to_string(loop.NowMs()) + " " + txtValue.Text());
    };
    UpD.OnMouseDown = [this](int, int, float, float) { Timer.SetEnabled(true); };
    UpD.OnMouseUp = [this](int, int, float, float) { Timer.SetEnabled(false); };
    txtValue.SetText("0");
    Heartbeat.SetInterval(1000);
    Heartbeat.OnTimer = [this, &loop] { Record("Heartbeat " + std::to_string(loop.NowMs())); };
  }

  ui::TextBox txtValue{*this, "txtValue"};
  ui::UpDown UpD{*this, "UpD"};
  ui::Timer Timer{*this, "Timer"};
  ui::Timer Heartbeat{*this, "Heartbeat"};  // enabled in the design
};

TEST(TimerControl, TicksOnTheVirtualClockOnlyWhileEnabledAndItsFormIsLoaded) {
  HeadlessUi ui;
  std::vector<std::string> events;
  SpinForm form(ui.app, ui.loop, events);
  ui.loop.Advance(1500);
  EXPECT_TRUE(events.empty()) << "the timers of a form that never loaded do not run";

  form.Load();
  events.clear();
  ui.loop.Advance(500);
  form.UpD.UserMouseDown(ui::vbLeftButton, 0, 0, 0);
  ui.loop.Advance(600);
  form.UpD.UserMouseUp(ui::vbLeftButton, 0, 0, 0);
  ui.loop.Advance(1000);
  EXPECT_EQ(events, (std::vector<std::string>{"fSpin.Timer 2250 1", "fSpin.Timer 2500 2",
                                              "fSpin.Heartbeat 2500", "fSpin.Heartbeat 3500"}));

  events.clear();
  form.UpD.UserMouseDown(ui::vbLeftButton, 0, 0, 0);
  form.Unload();
  ui.loop.Advance(2000);
  EXPECT_EQ(events, (std::vector<std::string>{"fSpin.Unload"})) << "unloading stops every timer of the form";

  events.clear();
  EXPECT_EQ(form.Timer.Interval(), 250);
  EXPECT_FALSE(form.Timer.Enabled()) << "reloading starts from the design: the repeat timer is off";
  ui.loop.Advance(1000);
  EXPECT_EQ(events, (std::vector<std::string>{"fSpin.Load", "fSpin.Heartbeat 6600"}));
  EXPECT_EQ(form.txtValue.Text(), "0");

  events.clear();
  form.Heartbeat.SetInterval(0);
  ui.loop.Advance(3000);
  EXPECT_TRUE(events.empty()) << "interval 0 stops a timer";
  EXPECT_EQ(ErrorNumberOf([&] { form.Heartbeat.SetInterval(-1); }), platform::kErrInvalidPropertyValue);
}

}  // namespace
}  // namespace ui_test
