#pragma once

#include <string>
#include <vector>

namespace qvr {

class Program;

// How the program was started, told by its arguments.
enum class StartMode {
  StandAlone,        // by a user or an installer: the command line or the registration dialog
  RegisterServer,    // "/regserver": register the COM class and end
  UnregisterServer,  // "/unregserver": remove the COM class and end
  ComServer,         // "-Embedding": serve the plug-in objects of directors
};

// The first argument that names a server switch ("/regserver", "/unregserver", "-Embedding", each also with
// the other of "/" and "-", letter case ignored) decides; without one the start is stand-alone.
StartMode StartModeOf(const std::vector<std::string>& args);

// The command line as one text: the arguments joined by single blanks.
std::string CommandLineOf(const std::vector<std::string>& args);

// A stand-alone start: registers the COM class (RegisterClassAtStart), runs the command line of
// program.framework.CommandLine (trimmed, letter case ignored, compared as a whole) and ends the program:
// "/regplugin" registers without messages,
// "/regplugin /german" and "/regplugin /english" with that language, "/deregplugin" and
// "/deregplugin /deregmode:N" (N -1, 0 or 1; 1 when not given) deregister with messages. Any other command
// line, and a command that raises an error, shows the registration dialog; the program then runs until
// the dialog closes. The result is the exit status of a run that ended: 1 when a command-line
// registration or deregistration failed (a newer version registered already is no failure), 0
// otherwise.
int Main(Program& program);

}  // namespace qvr
