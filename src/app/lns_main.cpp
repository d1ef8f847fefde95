#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/ProgramEnvironment.h"
#include "platform/MachineRoot.h"
#include "tools/lns/LnsTool.h"
#ifdef QVR_LNS_WITH_QT
#include "platform/ui/qt/QtUiPlatform.h"
#include "server/dbus/BusDirector.h"
#endif

namespace {

#ifdef QVR_LNS_WINDOWED_PROGRAM
// Hands a command that needs the window system to the windowed program beside this one; returns only when
// that program cannot be started.
int RunWindowed(char** argv) {
  const std::filesystem::path self = platform::RunningProgramFile();
  const std::filesystem::path windowed = self.parent_path() / QVR_LNS_WINDOWED_PROGRAM;
  if (!self.empty()) execv(windowed.c_str(), argv);
  std::cerr << "lns: cannot start " << windowed.string() << ": "
            << (self.empty() ? std::string("the running program's file is unknown") : std::strerror(errno))
            << '\n';
  return 1;
}
#endif

}  // namespace

int main(int argc, char** argv) {
  // Dates are written in the user's language (ui::CLibraryDateTimes) where no window system writes them.
  std::setlocale(LC_TIME, "");
  std::vector<std::string> args(argv + 1, argv + argc);
  // As in the plug-in program: what the tool starts (a document's viewer) is the user's, not a bus's.
  app::TakeBusStarterAddress();
  lnstool::ToolContext context{app::MachineRootFromEnvironment(), platform::DataDir(), std::cout, std::cerr};
#ifdef QVR_LNS_WITH_QT
  const ui::DisplaySettings display = app::DisplayFromEnvironment();
  ui::QtUiPlatform windows(argc, argv, display);
  com::BusDirector director(display, app::LanguageFromEnvironment());
  context.windows = &windows;
  context.com = &director;
#elif defined(QVR_LNS_WINDOWED_PROGRAM)
  if (lnstool::NeedsWindows(args)) return RunWindowed(argv);
#endif
  return lnstool::RunLnsTool(args, context);
}
