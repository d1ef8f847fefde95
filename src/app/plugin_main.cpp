// The plug-in program: started by a user or an installer it registers or deregisters the plug-in from its
// command line or its registration dialog; "/regserver" and "/unregserver" register and remove its COM
// class; started with "-Embedding" by the bus, it serves its plug-in objects to directors.
//
// The stand-alone run shows its windows on the Qt back end (drawn offscreen when there is no display).
// With QVR_UI=headless it runs on the headless back end instead, for scripts and tests: QVR_ANSWERS answers
// its message boxes, QVR_DO acts on its windows and QVR_SNAPSHOT=FILE receives the snapshot of its windows
// and boxes when it ends.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "app/ProgramEnvironment.h"
#include "framework/PlugInClass.h"
#include "framework/StartUp.h"
#include "identity/PlugInIdentity.h"
#include "platform/EchoedText.h"
#include "platform/EnvironmentNames.h"
#include "platform/Error.h"
#include "platform/MachineRoot.h"
#include "platform/WriteOutputFile.h"
#include "platform/ui/ScriptStops.h"
#include "platform/ui/headless/HeadlessFormBackend.h"
#include "platform/ui/headless/HeadlessProgramServices.h"
#include "platform/ui/headless/UnattendedServices.h"
#include "platform/ui/script/HeadlessRunScript.h"
#include "platform/ui/script/UserActions.h"
#include "program/Program.h"
#ifdef QVR_PLUGIN_WITH_QT
#include <QApplication>

#include "platform/ui/headless/ConsoleMessageBoxes.h"
#include "platform/ui/qt/QtApplicationStart.h"
#include "platform/ui/qt/QtFormBackend.h"
#include "platform/ui/qt/QtServices.h"
#include "server/dbus/PlugInServer.h"
#endif

namespace {

constexpr int kFailed = 1;
constexpr int kNeedsDisplay = 2;

namespace env = platform::env;
using app::EnvironmentValue;

std::filesystem::path OwnProgramFile(const char* argv0) {
  std::filesystem::path file = platform::RunningProgramFile();
  std::error_code error;
  if (file.empty()) file = std::filesystem::absolute(argv0, error);
  return file;
}

template <class Change>
int ChangeClass(const std::filesystem::path& root, Change&& change) {
  try {
    reg::MachineRegistry registry(root);
    change(registry);
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
    std::cerr << qvr::kProjectName << ": \"" << program.framework.CommandLine
              << "\" did not complete on the machine root " << program.MachineRoot().string() << '\n';
  }
  return status;
}

// The lines of QVR_DO, one action each; blank lines are left out.
std::vector<std::string> ActionLines(const std::string& script) {
  std::vector<std::string> lines;
  std::istringstream in(script);
  for (std::string line; std::getline(in, line);) {
    if (line.find_first_not_of(" \t\r") != std::string::npos) lines.push_back(line);
  }
  return lines;
}

bool WriteSnapshot(const std::string& file, qvr::Program& program, ui::HeadlessProgramServices& services) {
  return platform::WriteOutputFile(file,
                                   ui::RunSnapshot(program.Windows().Forms(), services.Boxes().Shown()));
}

// The run of a script: the command line or the dialog, then the script's actions; a box that the script
// does not answer, or an action that the user could not do, ends the program.
int RunScript(qvr::Program& program, ui::HeadlessProgramServices& services) {
  try {
    const int status = RunMain(program);
    ui::UserActions script(ActionLines(EnvironmentValue(env::kActions)), program.App(), &services.Boxes());
    script.Run(services.TestLoop());
    return status;
  } catch (const ui::UnscriptedDialog& unanswered) {
    const auto& boxes = services.Boxes().Shown();
    const bool boxUnanswered = !boxes.empty() && boxes.back().answer == 0;
    std::cerr << qvr::kProjectName << ": "
              << (boxUnanswered ? boxes.back().request.prompt : unanswered.what()) << '\n';
  } catch (const ui::ActionRefused& refused) {
    std::cerr << qvr::kProjectName << ": " << refused.what() << '\n';
  } catch (const platform::RaisedError& error) {
    // An error that no handler of the program took: a user's run would show it in the error box.
    std::cerr << qvr::kProjectName << ": error " << error.Number() << ": " << error.Description() << '\n';
  }
  return kFailed;
}

int RunHeadless(const std::filesystem::path& root, const std::vector<std::string>& args, const char* argv0) {
  const auto answers = ui::AnswerWords(EnvironmentValue(env::kAnswers));
  if (!answers) {
    std::cerr << qvr::kProjectName << ": " << env::kAnswers
              << " takes button words separated by commas: ok cancel abort retry ignore yes no\n";
    return kFailed;
  }
  ui::HeadlessProgramServices services;
  for (int answer : *answers) services.Boxes().QueueAnswer(answer);
  ui::HeadlessFormBackend backend;
  qvr::Program program(services, backend, root);
  SetStart(program, args, argv0);
  int status = RunScript(program, services);
  const std::string snapshotFile = EnvironmentValue(env::kSnapshot);
  if (!snapshotFile.empty() && !WriteSnapshot(snapshotFile, program, services)) {
    std::cerr << qvr::kProjectName << ": cannot write the snapshot to " << snapshotFile << '\n';
    status = kFailed;
  }
  return status;
}

#ifdef QVR_PLUGIN_WITH_QT
int RunOnQt(const std::filesystem::path& root, int& argc, char** argv, const std::vector<std::string>& args) {
  const ui::DisplaySettings display = app::DisplayFromEnvironment();
  const bool personSees = ui::PersonSeesWindowsOn(display);
  const std::unique_ptr<QApplication> application = ui::StartQtApplication(argc, argv, display, !personSees);
  ui::QtServices windows;
  // Nobody sees the windows: a box that only tells goes to the error output, one that asks ends the run.
  ui::ConsoleMessageBoxes consoleBoxes(std::cerr);
  ui::UnattendedServices unattended(windows, consoleBoxes);
  ui::QtFormBackend backend(windows.Screen());
  qvr::Program program(personSees ? static_cast<ui::Services&>(windows) : unattended, backend, root);
  SetStart(program, args, argv[0]);
  int status = kFailed;
  try {
    status = RunMain(program);
  } catch (const ui::UnscriptedDialog& question) {
    std::cerr << question.what() << " -> nobody can answer here (no display)\n";
    return kFailed;
  }
  if (!program.HasEnded() && !personSees) {
    std::cerr << qvr::kProjectName
              << ": the registration dialog needs a display (DISPLAY or WAYLAND_DISPLAY); without one, start "
                 "the program with /regplugin [/german | /english] or /deregplugin [/deregmode:-1 | 0 | 1], "
                 "or script the dialog with "
              << env::kBackEnd << "=headless and " << env::kActions << '\n';
    return kNeedsDisplay;
  }
  while (!program.HasEnded()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  return status;
}

// QVR_FIRST_OBJECT_WAIT_MS and QVR_HELD_CALL_WAIT_MS shorten (or lengthen) the server's waits for its first
// object and for a director's held call, so that tests need not wait out the defaults.
com::PlugInServer::Waits ServerWaits() {
  com::PlugInServer::Waits waits;
  waits.firstObject = app::MillisecondsFromEnvironment(env::kFirstObjectWaitMs, waits.firstObject);
  waits.heldCall = app::MillisecondsFromEnvironment(env::kHeldCallWaitMs, waits.heldCall);
  return waits;
}

// Started by the bus for a director: the main window shows on the display, or offscreen without one,
// where a message box that nobody could answer fails the director's call instead.
int ServeDirectors(const std::filesystem::path& root, int& argc, char** argv,
                   const std::vector<std::string>& args) {
  const std::string busStarter = app::TakeBusStarterAddress();
  const ui::DisplaySettings display = app::DisplayFromEnvironment();
  const bool attended = ui::PersonSeesWindowsOn(display);
  const std::unique_ptr<QApplication> application = ui::StartQtApplication(argc, argv, display, !attended);
  ui::QtServices qtServices;
  ui::RefusedMessageBoxes refusedBoxes;
  ui::UnattendedServices unattended(qtServices, refusedBoxes);
  ui::Services& services = attended ? static_cast<ui::Services&>(qtServices) : unattended;
  ui::QtFormBackend backend(qtServices.Screen());
  qvr::Program program(services, backend, root);
  SetStart(program, args, argv[0]);
  return com::ServePlugInObjects(program, attended, ServerWaits(), busStarter);
}
#endif

int RunStandAlone(const std::filesystem::path& root, [[maybe_unused]] int& argc, char** argv,
                  const std::vector<std::string>& args) {
  const std::string backEnd = EnvironmentValue(env::kBackEnd);
  if (backEnd == "headless") return RunHeadless(root, args, argv[0]);
  if (!backEnd.empty()) {
    std::cerr << qvr::kProjectName << ": " << env::kBackEnd << "=" << backEnd
              << " is no back end of this program; the one it knows is \"headless\"\n";
    return kFailed;
  }
#ifdef QVR_PLUGIN_WITH_QT
  return RunOnQt(root, argc, argv, args);
#else
  std::cerr << qvr::kProjectName << ": this program was built without Qt; run it with " << env::kBackEnd
            << "=headless\n";
  return kFailed;
#endif
}

// The run that the command line asks for.
int RunProgram(const std::filesystem::path& root, int& argc, char** argv,
               const std::vector<std::string>& args) {
  switch (qvr::StartModeOf(args)) {
    case qvr::StartMode::RegisterServer:
      return ChangeClass(root, [&](reg::MachineRegistry& registry) {
        qvr::RegisterPlugInClass(registry, OwnProgramFile(argv[0]));
      });
    case qvr::StartMode::UnregisterServer:
      return ChangeClass(root, [](reg::MachineRegistry& registry) { qvr::UnregisterPlugInClass(registry); });
    case qvr::StartMode::ComServer:
#ifdef QVR_PLUGIN_WITH_QT
      return ServeDirectors(root, argc, argv, args);
#else
      std::cerr << qvr::kProjectName << ": this build serves no plug-in objects to directors (-Embedding)\n";
      return kFailed;
#endif
    case qvr::StartMode::StandAlone:
      break;
  }
  return RunStandAlone(root, argc, argv, args);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const std::filesystem::path root = app::MachineRootFromEnvironment();
  if (const auto unusable = platform::UnusableMachineRoot(root)) {
    std::cerr << qvr::kProjectName << ": " << platform::EscapeControls(*unusable) << '\n';
    return kFailed;
  }
#ifdef QVR_PLUGIN_WITH_QT
  try {
    return RunProgram(root, argc, argv, args);
  } catch (const ui::DisplayUnavailable& unavailable) {
    std::cerr << qvr::kProjectName << ": " << platform::EscapeControls(unavailable.what()) << '\n';
    return kFailed;
  }
#else
  return RunProgram(root, argc, argv, args);
#endif
}
