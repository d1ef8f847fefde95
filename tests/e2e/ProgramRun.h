#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

extern char** environ;

namespace e2e {

// One run of a built program, with what it printed.
struct ProgramRun {
  int code = -1;  // the exit code, or -1 when the program did not exit normally
  std::string out;
  std::string err;
};

inline std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// This process's environment with $LNS_ROOT naming `root`: what a program started on that machine root sees.
class RootEnvironment {
 public:
  explicit RootEnvironment(const std::filesystem::path& root) : variables_{"LNS_ROOT=" + root.string()} {
    for (char** variable = environ; *variable; ++variable) {
      if (std::string_view(*variable).rfind("LNS_ROOT=", 0) != 0) variables_.emplace_back(*variable);
    }
    for (std::string& variable : variables_) pointers_.push_back(variable.data());
    pointers_.push_back(nullptr);
  }
  RootEnvironment(const RootEnvironment&) = delete;
  RootEnvironment& operator=(const RootEnvironment&) = delete;

  char** Get() { return pointers_.data(); }

 private:
  std::vector<std::string> variables_;
  std::vector<char*> pointers_;
};

// Runs `program` with `args` on the machine root `root`: its environment is this process's with $LNS_ROOT
// naming `root`, and its output goes through files there. A program that has not ended after `limit` (one
// waiting for an answer that never comes) is killed: code -1.
inline ProgramRun RunFile(const std::string& program, const std::vector<std::string>& args,
                          const std::filesystem::path& root,
                          std::chrono::milliseconds limit = std::chrono::seconds(60)) {
  const std::filesystem::path outFile = root / "stdout.txt";
  const std::filesystem::path errFile = root / "stderr.txt";
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  RootEnvironment environment(root);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  ProgramRun run;
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environment.Get());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    run.err = "cannot start " + program;
    return run;
  }
  int status = 0;
  const auto deadline = std::chrono::steady_clock::now() + limit;
  bool killed = false;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      killed = true;
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (WIFEXITED(status)) run.code = WEXITSTATUS(status);
  run.out = ReadFile(outFile);
  run.err = ReadFile(errFile);
  if (killed) run.err += "\n" + program + " was killed after running too long";
  return run;
}

// Runs the program `name` of the build's bin folder, as RunFile does.
inline ProgramRun Run(const std::string& name, const std::vector<std::string>& args,
                      const std::filesystem::path& root,
                      std::chrono::milliseconds limit = std::chrono::seconds(60)) {
  return RunFile(std::string(QVR_BIN_DIR) + "/" + name, args, root, limit);
}

}  // namespace e2e
