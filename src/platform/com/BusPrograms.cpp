#include "platform/com/BusPrograms.h"

#include <signal.h>

#include <algorithm>
#include <string>
#include <thread>

#include "platform/ProcessRuns.h"

namespace com {

namespace {

bool StartedOn(pid_t pid, const std::string& address) {
  const std::string variable = "DBUS_STARTER_ADDRESS=" + address;
  for (const std::string& entry : platform::ProcessStrings(pid, "environ")) {
    if (entry == variable || entry.rfind(variable + ",", 0) == 0) return true;
  }
  return false;
}

bool AnyRuns(const std::vector<pid_t>& programs) {
  return std::any_of(programs.begin(), programs.end(), platform::ProcessRuns);
}

// Waits up to `limit` for every process to end; true when none runs.
bool AllEnd(const std::vector<pid_t>& programs, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (AnyRuns(programs)) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

}  // namespace

std::vector<pid_t> ProgramsStartedOn(const std::string& address) {
  std::vector<pid_t> programs;
  for (const pid_t pid : platform::ListedProcesses()) {
    if (platform::ProcessRuns(pid) && StartedOn(pid, address)) programs.push_back(pid);
  }
  return programs;
}

void EndPrograms(const std::vector<pid_t>& programs, std::chrono::milliseconds grace) {
  for (const pid_t pid : programs) kill(pid, SIGTERM);
  if (AllEnd(programs, grace)) return;
  for (const pid_t pid : programs) {
    if (platform::ProcessRuns(pid)) kill(pid, SIGKILL);
  }
  AllEnd(programs, std::chrono::seconds(5));
}

}  // namespace com
