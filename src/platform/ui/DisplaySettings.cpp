#include "platform/ui/DisplaySettings.h"

namespace ui {

namespace {

bool StartsWith(const std::string& text, const char* start) {
  return text.rfind(start, 0) == 0;
}

}  // namespace

bool PersonSeesWindowsOn(const DisplaySettings& settings) {
  // A platform with options ("offscreen:configfile=...") is still that platform.
  if (!settings.qtPlatform.empty())
    return !StartsWith(settings.qtPlatform, "offscreen") && !StartsWith(settings.qtPlatform, "minimal");
  return !settings.display.empty() || !settings.waylandDisplay.empty();
}

}  // namespace ui
