#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/Descriptor.h"

namespace platform {

// Both ends of a pipe, closed on exec.
struct Pipe {
  Descriptor read;
  Descriptor write;
};
// Throws std::system_error.
Pipe MakePipe();

// Where a started program's standard stream goes.
struct StreamTarget {
  enum class Kind { Inherit, Null, File, Descriptor };
  Kind kind = Kind::Inherit;
  std::filesystem::path file;  // Kind::File: created or emptied, written
  int fd = -1;                 // Kind::Descriptor: the caller's descriptor, left open

  static StreamTarget DevNull() { return {Kind::Null, {}, -1}; }
  static StreamTarget ToFile(std::filesystem::path path) { return {Kind::File, std::move(path), -1}; }
  static StreamTarget ToDescriptor(int descriptor) { return {Kind::Descriptor, {}, descriptor}; }
};

struct SpawnRequest {
  // The program and its arguments; a program without "/" is looked up in PATH.
  std::vector<std::string> argv;
  // The program's environment; none: this process's.
  std::optional<std::vector<std::string>> environment;
  StreamTarget in;
  StreamTarget out;
  StreamTarget err;
  // In a session of its own and adopted by init at once: never this process's child to wait for.
  bool detached = false;
};

// Starts the program and returns its process ID (0 for a detached one). Throws std::system_error with the
// reason it could not be started (ENOENT: no such program).
pid_t Spawn(const SpawnRequest& request);

// Starts the program detached, as Spawn does, and waits at most `limit` for it to end: its status as waitpid
// gives it, or none when it still runs then (it runs on, adopted by init). Throws as Spawn does.
std::optional<int> SpawnDetachedAndWait(const SpawnRequest& request, std::chrono::milliseconds limit);

// Waits for the child `pid` to end, past interruptions; its status as waitpid gives it.
int WaitForChild(pid_t pid);

// This process's environment without the variables whose name `dropped` picks.
std::vector<std::string> EnvironmentWithout(const std::function<bool(std::string_view name)>& dropped);

}  // namespace platform
