#pragma once

#include <string>

namespace ui {

// Where windows can show, as the program's environment tells it: a program's main reads it and hands it down.
// An empty setting counts as unset (the bus hands the settings that a director lacks as empty ones).
struct DisplaySettings {
  std::string display;         // X (DISPLAY)
  std::string waylandDisplay;  // Wayland (WAYLAND_DISPLAY)
  std::string qtPlatform;      // the platform chosen for Qt (QT_QPA_PLATFORM)
  std::string runtimeFolder;   // the session's runtime folder (XDG_RUNTIME_DIR)
  std::string xAuthority;      // X's cookie file (XAUTHORITY; the user's default file where it is unset)
};

// Whether a person sees the windows: on a display, or on a Qt platform other than the ones that draw into
// memory (offscreen, minimal). The one rule for "a display is there".
bool PersonSeesWindowsOn(const DisplaySettings& settings);

}  // namespace ui
