#include "platform/Spawn.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

extern char** environ;

namespace platform {

namespace {

// The argument or environment strings as the exec family takes them; they point into `strings`.
std::vector<char*> NullTerminated(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& text : strings) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

// posix_spawn's file actions and attributes, released when they go out of scope.
class SpawnSetup {
 public:
  explicit SpawnSetup(const SpawnRequest& request) {
    posix_spawn_file_actions_init(&actions_);
    posix_spawnattr_init(&attributes_);
    Redirect(request.in, STDIN_FILENO, O_RDONLY);
    Redirect(request.out, STDOUT_FILENO, O_WRONLY | O_CREAT | O_TRUNC);
    Redirect(request.err, STDERR_FILENO, O_WRONLY | O_CREAT | O_TRUNC);
    if (request.detached) posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSID);
  }
  ~SpawnSetup() {
    posix_spawn_file_actions_destroy(&actions_);
    posix_spawnattr_destroy(&attributes_);
  }
  SpawnSetup(const SpawnSetup&) = delete;
  SpawnSetup& operator=(const SpawnSetup&) = delete;

  // The error number, 0 once started.
  int Start(pid_t& pid, char** argv, char** envp) const {
    return posix_spawnp(&pid, argv[0], &actions_, &attributes_, argv, envp);
  }

 private:
  void Redirect(const StreamTarget& target, int stream, int fileFlags) {
    switch (target.kind) {
      case StreamTarget::Kind::Inherit:
        break;
      case StreamTarget::Kind::Null:
        posix_spawn_file_actions_addopen(&actions_, stream, "/dev/null",
                                         stream == STDIN_FILENO ? O_RDONLY : O_WRONLY, 0);
        break;
      case StreamTarget::Kind::File:
        posix_spawn_file_actions_addopen(&actions_, stream, target.file.c_str(), fileFlags, 0600);
        break;
      case StreamTarget::Kind::Descriptor:
        posix_spawn_file_actions_adddup2(&actions_, target.fd, stream);
        break;
    }
  }

  posix_spawn_file_actions_t actions_;
  posix_spawnattr_t attributes_;
};

[[noreturn]] void Fail(int error, const std::string& program) {
  throw std::system_error(error, std::generic_category(), "cannot start " + program);
}

// Writes `value` whole to `fd` from a forked child, where only async-signal-safe calls are allowed.
void WriteNumber(int fd, int value) {
  const char* bytes = reinterpret_cast<const char*>(&value);
  std::size_t left = sizeof value;
  while (left > 0) {
    const ssize_t written = write(fd, bytes, left);
    if (written <= 0) return;
    bytes += written;
    left -= static_cast<std::size_t>(written);
  }
}

// Reads a number that WriteNumber wrote, waiting at most `timeoutMs` for it to come (-1: for ever); false
// when it did not come in time or the writer ended without it.
bool ReadNumber(int fd, int& value, int timeoutMs) {
  pollfd ready{fd, POLLIN, 0};
  int polled = 0;
  do {
    polled = poll(&ready, 1, timeoutMs);
  } while (polled < 0 && errno == EINTR);
  if (polled <= 0) return false;
  ssize_t got = 0;
  do {
    got = read(fd, &value, sizeof value);
  } while (got < 0 && errno == EINTR);
  return got == static_cast<ssize_t>(sizeof value);
}

// An intermediate child starts the program and ends at once, so that init adopts the program; the error
// number of the start comes back through `report`. With `watch`, a grandchild of its own (adopted by init as
// well) starts the program, waits for it and sends its status after the error number.
void SpawnDetached(const SpawnSetup& setup, char** argv, char** envp, const std::string& program,
                   Pipe& report, bool watch) {
  const pid_t child = fork();
  if (child < 0) Fail(errno, program);
  if (child == 0) {
    if (watch && fork() != 0) _exit(0);
    pid_t grandchild = 0;
    const int error = setup.Start(grandchild, argv, envp);
    WriteNumber(report.write.Get(), error);
    if (watch && error == 0) WriteNumber(report.write.Get(), WaitForChild(grandchild));
    _exit(0);
  }
  report.write.Close();
  WaitForChild(child);
  int error = 0;
  if (!ReadNumber(report.read.Get(), error, -1)) Fail(ECHILD, program);
  if (error != 0) Fail(error, program);
}

// The request's arguments and environment as the exec family takes them.
class ExecStrings {
 public:
  explicit ExecStrings(const SpawnRequest& request)
      : args_(request.argv),
        environment_(request.environment.value_or(std::vector<std::string>{})),
        argv_(NullTerminated(args_)),
        envp_(NullTerminated(environment_)),
        own_(!request.environment) {}
  ExecStrings(const ExecStrings&) = delete;
  ExecStrings& operator=(const ExecStrings&) = delete;

  char** Argv() { return argv_.data(); }
  char** Envp() { return own_ ? environ : envp_.data(); }

 private:
  std::vector<std::string> args_;
  std::vector<std::string> environment_;
  std::vector<char*> argv_;
  std::vector<char*> envp_;
  bool own_;
};

void CheckNamed(const SpawnRequest& request) {
  if (request.argv.empty() || request.argv.front().empty()) Fail(EINVAL, "a program without a name");
}

}  // namespace

Pipe MakePipe() {
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0) throw std::system_error(errno, std::generic_category(), "pipe");
  return {Descriptor(ends[0]), Descriptor(ends[1])};
}

pid_t Spawn(const SpawnRequest& request) {
  CheckNamed(request);
  ExecStrings strings(request);
  const SpawnSetup setup(request);
  if (request.detached) {
    Pipe report = MakePipe();
    SpawnDetached(setup, strings.Argv(), strings.Envp(), request.argv.front(), report, false);
    return 0;
  }
  pid_t pid = 0;
  if (const int error = setup.Start(pid, strings.Argv(), strings.Envp())) Fail(error, request.argv.front());
  return pid;
}

std::optional<int> SpawnDetachedAndWait(const SpawnRequest& request, std::chrono::milliseconds limit) {
  CheckNamed(request);
  ExecStrings strings(request);
  SpawnRequest detached = request;
  detached.detached = true;
  const SpawnSetup setup(detached);
  Pipe report = MakePipe();
  SpawnDetached(setup, strings.Argv(), strings.Envp(), request.argv.front(), report, true);
  int status = 0;
  if (!ReadNumber(report.read.Get(), status, static_cast<int>(limit.count()))) return std::nullopt;
  return status;
}

int WaitForChild(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return status;
}

std::vector<std::string> EnvironmentWithout(const std::function<bool(std::string_view name)>& dropped) {
  std::vector<std::string> environment;
  for (char** entry = environ; *entry; ++entry) {
    const std::string_view variable = *entry;
    if (!dropped(variable.substr(0, variable.find('=')))) environment.emplace_back(variable);
  }
  return environment;
}

}  // namespace platform
