#include "platform/ui/headless/PosixShell.h"

#include <sys/wait.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

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

constexpr const char* kMissingFile = "the file does not exist";

// Why xdg-open, ended with `status` (as waitpid gives it), opened nothing; none when it opened the target.
std::optional<std::string> XdgOpenFailure(int status) {
  if (!WIFEXITED(status)) return "xdg-open was stopped by signal " + std::to_string(WTERMSIG(status));
  switch (WEXITSTATUS(status)) {
    case 0:
      return std::nullopt;
    case 1:
      return "xdg-open did not understand the request";
    case 2:
      return kMissingFile;
    case 3:
      return "no program on this computer opens this kind of document";
    case 4:
      return "the program for this kind of document could not open it";
    default:
      return "xdg-open ended with code " + std::to_string(WEXITSTATUS(status));
  }
}

// The environment of the program that opens a document. A program that a bus started (the machine root's
// own, for a director) has only that bus's variables; the document's program gets none of them, so that
// it is the user's and not one of that bus's programs, which end with the bus.
std::vector<std::string> DocumentEnvironment() {
  const bool startedByABus = std::getenv("DBUS_STARTER_ADDRESS") != nullptr;
  return platform::EnvironmentWithout(
      [startedByABus](std::string_view name) { return startedByABus && name.starts_with("DBUS_"); });
}

}  // namespace

void PosixShell::Open(const std::string& target, int /*showCommand: the desktop places its windows*/) {
  // A missing file is told as such, whatever else is missing too.
  std::error_code unknown;
  if (target.starts_with('/') && !std::filesystem::exists(target, unknown))
    throw OpenFailure(target, kMissingFile);
  platform::SpawnRequest request;
  request.argv = {"xdg-open", target};
  request.environment = DocumentEnvironment();
  request.in = request.out = request.err = platform::StreamTarget::DevNull();
  std::optional<int> status;
  try {
    status = platform::SpawnDetachedAndWait(request, kOpenAnswerWait);
  } catch (const std::system_error& error) {
    throw OpenFailure(
        target, error.code().value() == ENOENT
                    ? "xdg-open, which opens documents on this desktop, is not installed"
                    : "xdg-open cannot be started: " + std::string(std::strerror(error.code().value())));
  }
  // Still running: it runs the document's program itself, which has the document open.
  if (!status) return;
  if (const std::optional<std::string> failure = XdgOpenFailure(*status)) throw OpenFailure(target, *failure);
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
