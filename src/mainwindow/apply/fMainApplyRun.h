#pragma once

// What the files of Apply share about one run of it; not for other callers.

#include <optional>
#include <string>

#include "mainwindow/fMain.h"

namespace qvr {

// What one Apply run keeps from the click to its end.
struct fMain::ApplyRun {
  // Automatic retries since the start, or since the user last answered Retry or Ignore.
  int retries = 0;
  // The current section of the log has its header.
  bool headerLogged = false;
  // The start of the log lines of the device whose properties are being written (its subsystem and
  // name), taken at its first line; cleared when the transfer moves on to the next device.
  std::optional<std::string> writtenDevicePrefix;
  // The properties went to the selected devices with the synchronise option, which refuses the
  // device-specific ones.
  bool synchronised = false;
  // The user aborted or cancelled the run: every step from here on is passed over.
  bool ended = false;
  // The user closed the transfer-status window: the transfer stops, the monitoring the box asks for goes on.
  bool cancelled = false;
};

// Logs a section's header (an empty line, `title`, an empty line) unless the section has one already.
void LogSectionHeader(fMain& window, fMain::ApplyRun& run, const std::string& title);

// The start of a written value's log line: the subsystem holding `device`, " : " and its name.
std::string WrittenDevicePrefix(const std::optional<lns::LnsAppDevice>& device);

}  // namespace qvr
