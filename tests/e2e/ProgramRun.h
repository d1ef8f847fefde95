#pragma once

#include <signal.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>
#include <vector>

#include "platform/Spawn.h"

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
inline std::vector<std::string> RootEnvironment(const std::filesystem::path& root) {
  std::vector<std::string> variables =
      platform::EnvironmentWithout([](std::string_view name) { return name == "LNS_ROOT"; });
  variables.push_back("LNS_ROOT=" + root.string());
  return variables;
}

// Runs `program` with `args` on the machine root `root`: its environment is this process's with $LNS_ROOT
// naming `root`, and its output goes through files there (or in `outputs`). A program that has not ended
// after `limit` (one waiting for an answer that never comes) is killed: code -1.
inline ProgramRun RunFile(const std::string& program, const std::vector<std::string>& args,
                          const std::filesystem::path& root,
                          std::chrono::milliseconds limit = std::chrono::seconds(60),
                          const std::filesystem::path& outputs = {}) {
  const std::filesystem::path outFile = (outputs.empty() ? root : outputs) / "stdout.txt";
  const std::filesystem::path errFile = (outputs.empty() ? root : outputs) / "stderr.txt";
  platform::SpawnRequest request;
  request.argv = {program};
  request.argv.insert(request.argv.end(), args.begin(), args.end());
  request.out = platform::StreamTarget::ToFile(outFile);
  request.err = platform::StreamTarget::ToFile(errFile);
  request.environment = RootEnvironment(root);
  ProgramRun run;
  pid_t pid = 0;
  try {
    pid = platform::Spawn(request);
  } catch (const std::system_error&) {
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
                      std::chrono::milliseconds limit = std::chrono::seconds(60),
                      const std::filesystem::path& outputs = {}) {
  return RunFile(std::string(QVR_BIN_DIR) + "/" + name, args, root, limit, outputs);
}

}  // namespace e2e
