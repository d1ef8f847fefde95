#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace platform {

// Whether the process runs (a zombie has ended).
bool ProcessRuns(pid_t pid);

// Every process that /proc lists, running or not.
std::vector<pid_t> ListedProcesses();

// The NUL-separated strings of a process's /proc file ("cmdline", "environ"); none when it is gone.
std::vector<std::string> ProcessStrings(pid_t pid, const char* file);

}  // namespace platform
