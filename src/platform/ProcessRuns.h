#pragma once

#include <sys/types.h>

namespace platform {

// Whether the process runs (a zombie has ended).
bool ProcessRuns(pid_t pid);

}  // namespace platform
