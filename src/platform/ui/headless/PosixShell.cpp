#include "platform/ui/headless/PosixShell.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/Error.h"
#include "platform/ErrorNumbers.h"
#include "platform/runtime/RuntimeErrors.h"

namespace ui {

namespace {

[[noreturn]] void RaiseStartFailure(const std::string& program, int error) {
  const long number = error == ENOENT ? platform::kErrFileNotFound : platform::kErrPathFileAccess;
  throw platform::RaisedError(number, "Shell", "Cannot start " + program + ": " + std::strerror(error));
}

// Writes the whole of `value` to `fd`; used in the forked child, where only async-signal-safe calls are
// allowed.
void WriteErrno(int fd, int value) {
  const char* bytes = reinterpret_cast<const char*>(&value);
  std::size_t left = sizeof value;
  while (left > 0) {
    const ssize_t written = write(fd, bytes, left);
    if (written <= 0) return;
    bytes += written;
    left -= static_cast<std::size_t>(written);
  }
}

// Closes its file descriptor when it goes out of scope.
struct Descriptor {
  explicit Descriptor(int descriptor) : fd(descriptor) {}
  ~Descriptor() { Close(); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  void Close() {
    if (fd >= 0) close(fd);
    fd = -1;
  }
  int fd;
};

}  // namespace

void PosixShell::Open(const std::string& target, int /*showCommand: the desktop places its windows*/) {
  StartProgram({"xdg-open", target});
}

void PosixShell::StartProgram(const std::vector<std::string>& argv) {
  if (argv.empty() || argv.front().empty()) {
    runtime::RaiseInvalidCall("Shell", "no program to start");
  }
  // Everything the children need is prepared before fork.
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);

  // A detached program does not share our terminal or our output.
  const Descriptor devNull(open("/dev/null", O_RDWR | O_CLOEXEC));
  if (devNull.fd < 0) RaiseStartFailure(argv.front(), errno);
  // The grandchild reports a failed exec through this pipe; a successful exec closes it silently.
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0) RaiseStartFailure(argv.front(), errno);
  const Descriptor reportRead(ends[0]);
  Descriptor reportWrite(ends[1]);

  const pid_t child = fork();
  if (child < 0) RaiseStartFailure(argv.front(), errno);
  if (child == 0) {
    // The intermediate child exits at once, so the program is adopted by init and never becomes our
    // zombie.
    const pid_t grandchild = fork();
    if (grandchild < 0) {
      WriteErrno(reportWrite.fd, errno);
      _exit(127);
    }
    if (grandchild == 0) {
      setsid();
      for (int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) dup2(devNull.fd, stream);
      execvp(args[0], args.data());
      WriteErrno(reportWrite.fd, errno);
      _exit(127);
    }
    _exit(0);
  }

  reportWrite.Close();  // the read below ends when the grandchild's copy closes
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  int error = 0;
  ssize_t got = 0;
  do {
    got = read(reportRead.fd, &error, sizeof error);
  } while (got < 0 && errno == EINTR);
  if (got == static_cast<ssize_t>(sizeof error)) RaiseStartFailure(argv.front(), error);
}

}  // namespace ui
