#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace com {

// The running processes that the bus at `address` started: the bus hands its address to each server it
// activates (DBUS_STARTER_ADDRESS, followed by ",guid=..."); they are not its children.
std::vector<pid_t> ProgramsStartedOn(const std::string& address);

// Asks each process to end (SIGTERM), and ends by force (SIGKILL) those still running after `grace`.
void EndPrograms(const std::vector<pid_t>& programs, std::chrono::milliseconds grace);

}  // namespace com
