// The plug-in program: started by a user or an installer it registers or deregisters the plug-in from its
// command line or its registration dialog; "/regserver" and "/unregserver" register and remove its COM
// class; started with "-Embedding" by the bus, it serves its plug-in objects to directors.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "framework/PlugInClass.h"
#include "framework/PlugInIdentity.h"
#include "framework/Program.h"
#include "framework/StartUp.h"
#include "platform/Error.h"
#include "platform/MachineRoot.h"
#include "platform/ui/ConsoleServices.h"
#include "platform/ui/HeadlessFormBackend.h"
#include "platform/ui/UnattendedServices.h"
#ifdef QVR_PLUGIN_WITH_QT
#include <QApplication>

#include "platform/com/dbus/PlugInServer.h"
#include "platform/ui/qt/QtFormBackend.h"
#include "platform/ui/qt/QtServices.h"
#endif

namespace {

constexpr int kFailed = 1;
constexpr int kNeedsDisplay = 2;

std::filesystem::path OwnProgramFile(const char* argv0) {
  std::error_code error;
  std::filesystem::path file = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) file = std::filesystem::absolute(argv0, error);
  return file;
}

template <class Change>
int ChangeClass(Change&& change) {
  try {
    change();
    return EXIT_SUCCESS;
  } catch (const platform::RaisedError& error) {
    std::cerr << qvr::kProjectName << ": " << error.Description() << '\n';
    return kFailed;
  }
}

void SetStart(qvr::Program& program, const std::vector<std::string>& args, const char* argv0) {
  program.framework.CommandLine = qvr::CommandLineOf(args);
  program.framework.ProgramFile = OwnProgramFile(argv0);
}

// Runs the stand-alone start; a command-line registration shows no message, so its failure is told here.
int RunMain(qvr::Program& program) {
  const int status = qvr::Main(program);
  if (status != EXIT_SUCCESS) {
    std::cerr << qvr::kProjectName << ": the plug-in could not be registered on the machine root "
              << program.MachineRoot().string() << '\n';
  }
  return status;
}

// Without a display the command line runs as usual, with its messages written to the error output; the
// dialog, which needs a person, is not offered.
int RunWithoutDisplay(const std::vector<std::string>& args, const char* argv0) {
  ui::ConsoleServices services(std::cerr);
  ui::HeadlessFormBackend backend;
  qvr::Program program(services, backend, platform::MachineRoot());
  SetStart(program, args, argv0);
  const int status = RunMain(program);
  if (program.HasEnded()) return status;
  std::cerr
      << qvr::kProjectName
      << ": the registration dialog needs a display (DISPLAY or WAYLAND_DISPLAY); without one, start the "
         "program with /regplugin [/german | /english] or /deregplugin [/deregmode:-1 | 0 | 1]\n";
  return kNeedsDisplay;
}

#ifdef QVR_PLUGIN_WITH_QT
// Windows are shown only where a person can see them: on a display, or on a Qt platform other than the
// ones that draw into memory.
bool PersonSeesWindows() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform && *platform) {
    const std::string name = platform;
    return name.rfind("offscreen", 0) != 0 && name.rfind("minimal", 0) != 0;
  }
  return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}

int RunOnWindows(int& argc, char** argv, const std::vector<std::string>& args) {
  QApplication application(argc, argv);
  ui::QtServices services;
  ui::QtFormBackend backend(services.Screen());
  qvr::Program program(services, backend, platform::MachineRoot());
  SetStart(program, args, argv[0]);
  const int status = RunMain(program);
  while (!program.HasEnded()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  return status;
}

// Started by the bus for a director: the main window shows on the display, or offscreen without one,
// where a message box that nobody could answer fails the director's call instead.
int ServeDirectors(int& argc, char** argv, const std::vector<std::string>& args) {
  const bool attended = PersonSeesWindows();
  if (!attended) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ui::QtServices qtServices;
  ui::UnattendedServices unattended(qtServices);
  ui::Services& services = attended ? static_cast<ui::Services&>(qtServices) : unattended;
  ui::QtFormBackend backend(qtServices.Screen());
  qvr::Program program(services, backend, platform::MachineRoot());
  SetStart(program, args, argv[0]);
  return com::ServePlugInObjects(program);
}
#endif

int RunStandAlone([[maybe_unused]] int& argc, char** argv, const std::vector<std::string>& args) {
#ifdef QVR_PLUGIN_WITH_QT
  if (PersonSeesWindows()) return RunOnWindows(argc, argv, args);
#endif
  return RunWithoutDisplay(args, argv[0]);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  switch (qvr::StartModeOf(args)) {
    case qvr::StartMode::RegisterServer:
      return ChangeClass([&] { qvr::RegisterPlugInClass(OwnProgramFile(argv[0])); });
    case qvr::StartMode::UnregisterServer:
      return ChangeClass([] { qvr::UnregisterPlugInClass(); });
    case qvr::StartMode::ComServer:
#ifdef QVR_PLUGIN_WITH_QT
      return ServeDirectors(argc, argv, args);
#else
      std::cerr << qvr::kProjectName << ": this build serves no plug-in objects to directors (-Embedding)\n";
      return kFailed;
#endif
    case qvr::StartMode::StandAlone:
      break;
  }
  return RunStandAlone(argc, argv, args);
}
