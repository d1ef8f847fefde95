#include "platform/ui/headless/PosixShell.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#include "platform/Error.h"
#include "platform/ErrorNumbers.h"
#include "platform/Spawn.h"
#include "platform/runtime/RuntimeErrors.h"

namespace ui {

namespace {

[[noreturn]] void RaiseStartFailure(const std::string& program, int error) {
  const long number = error == ENOENT ? platform::kErrFileNotFound : platform::kErrPathFileAccess;
  throw platform::RaisedError(number, "Shell", "Cannot start " + program + ": " + std::strerror(error));
}

}  // namespace

void PosixShell::Open(const std::string& target, int /*showCommand: the desktop places its windows*/) {
  StartProgram({"xdg-open", target});
}

void PosixShell::StartProgram(const std::vector<std::string>& argv) {
  if (argv.empty() || argv.front().empty()) {
    runtime::RaiseInvalidCall("Shell", "no program to start");
  }
  // A detached program does not share our terminal or our output, and is never our zombie.
  platform::SpawnRequest request;
  request.argv = argv;
  request.in = request.out = request.err = platform::StreamTarget::DevNull();
  request.detached = true;
  try {
    platform::Spawn(request);
  } catch (const std::system_error& error) {
    RaiseStartFailure(argv.front(), error.code().value());
  }
}

}  // namespace ui
