#include "tools/lns/SendWindows.h"

#include "framework/LNSPlugInAPI.h"
#include "mainwindow/fMain.h"
#include "platform/ui/UiPlatform.h"
#include "program/Program.h"

namespace lnstool {

namespace {

// Asks without loading the window again: after the plug-in has ended, reaching it would start it anew.
bool MainWindowShown(qvr::Program& program) {
  if (program.HasEnded()) return false;
  const qvr::fMain* window = program.Windows().Find<qvr::fMain>();
  return window && window->IsLoaded() && window->RawState().visible;
}

}  // namespace

int PresentMainWindow(ToolContext& context, const MainWindowRequest& request, qvr::Program& program,
                      qvr::LNSPlugInAPI& plugIn) {
  ui::UiPlatform& windows = *context.windows;
  plugIn.SetVisible(true);
  const bool saved =
      !request.screenshotFile || windows.SaveScreenshot(program.fMain(), *request.screenshotFile);
  if (!saved) context.err << "lns send: cannot save the screenshot to " << *request.screenshotFile << '\n';
  if (request.show && saved) {
    context.out.flush();  // what the command printed shows before the window is served
    windows.RunUntil([&] { return !MainWindowShown(program); });
  } else {
    plugIn.SetVisible(false);
  }
  return saved ? kOk : kFailed;
}

}  // namespace lnstool
