#include "platform/ui/DisplaySettings.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace ui_test {
namespace {

bool PersonSees(std::string display, std::string waylandDisplay, std::string qtPlatform = {}) {
  ui::DisplaySettings settings;
  settings.display = std::move(display);
  settings.waylandDisplay = std::move(waylandDisplay);
  settings.qtPlatform = std::move(qtPlatform);
  return ui::PersonSeesWindowsOn(settings);
}

// The bus hands a director's missing settings over as empty ones: empty is no display.
TEST(DisplaySettings, EmptySettingsNameNoDisplay) {
  EXPECT_FALSE(PersonSees("", "", ""));
  EXPECT_TRUE(PersonSees(":0", ""));
  EXPECT_TRUE(PersonSees("", "wayland-0"));
}

// A platform chosen for Qt decides, with or without its options; those that draw into memory show nobody.
TEST(DisplaySettings, QtPlatformChosenDecides) {
  EXPECT_FALSE(PersonSees(":0", "", "offscreen"));
  EXPECT_FALSE(PersonSees(":0", "", "offscreen:configfile=/tmp/s.json"));
  EXPECT_FALSE(PersonSees("", "wayland-0", "minimal"));
  EXPECT_TRUE(PersonSees("", "", "xcb"));
  EXPECT_TRUE(PersonSees(":0", "", "wayland"));
}

}  // namespace
}  // namespace ui_test
