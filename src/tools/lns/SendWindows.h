#pragma once

#include <optional>
#include <string>

#include "tools/lns/LnsTool.h"

namespace qvr {
class LNSPlugInAPI;
class Program;
}  // namespace qvr

namespace lnstool {

// Why `lns send --show` refuses where nobody sees windows: nobody could close the main window there.
inline constexpr const char* kShowNeedsDisplay =
    "lns send: --show needs a display (neither DISPLAY nor WAYLAND_DISPLAY is set, or QT_QPA_PLATFORM draws "
    "into memory); run it on a desktop or under xvfb-run\n";

// What the director of `lns send` does with the plug-in's main window once its command has run.
struct MainWindowRequest {
  bool show = false;                          // --show: serve it until the user closes it
  std::optional<std::string> screenshotFile;  // --screenshot FILE: save a PNG of it
  bool Wanted() const { return show || screenshotFile.has_value(); }
};

// Shows the main window through the plug-in object's Visible property and saves the screenshot; with
// `show` it then serves the windows until the user closes the main window or ends the plug-in, otherwise
// it hides the window again, so that releasing the object ends the plug-in as a director's release would.
int PresentMainWindow(ToolContext& context, const MainWindowRequest& request, qvr::Program& program,
                      qvr::LNSPlugInAPI& plugIn);

}  // namespace lnstool
