#pragma once

// One run of Apply, from the click to its end; for Apply's files.

#include <functional>
#include <optional>
#include <string>

#include "platform/lns/LnsAppDevice.h"

namespace qvr {

class Program;
class fMain;

// The state and the steps of one Apply run: the failure handling of each step, the log's section headers,
// the writing of the input and property rows and the transfer to several devices.
class ApplyRun {
 public:
  ApplyRun(fMain& window, Program& program) : window_(window), program_(program) {}
  ApplyRun(const ApplyRun&) = delete;
  ApplyRun& operator=(const ApplyRun&) = delete;

  // What became of one step of the run: done (at once or after retries), passed over (Ignore, or a device
  // that is not online), or the run ended (Abort). A write passed over leaves its box as the user left it.
  enum class StepOutcome { Done, PassedOver, RunEnded };
  // How a property's log line names the device it was written to.
  enum class LogForm { CurrentDevice, SelectedDevice };
  // Where the value read back after writing a property goes besides the log: nowhere (another device
  // than the one being edited), to NciValue, or to NciValue and the box, which then loses its mark.
  enum class ReadBackTo { Log, StoredValue, StoredValueAndBox };

  // Runs one step under the run's failure handling: on a device that is online a failure is retried five
  // times automatically, each logged with "  repeating...", and then the Abort/Retry/Ignore box asks
  // (Retry and Ignore start a new count of five); on a device that is not online the failure is logged and
  // the run goes on with the next step. After Abort (and for every later step) the run has ended.
  StepOutcome TryStep(const std::function<void()>& step);
  // TryStep, for a step whose passing over changes nothing for the caller: false when the run has ended,
  // and the caller must return at once.
  bool Step(const std::function<void()>& step);

  // Ends the run when the user has closed the transfer-status window since the last look, and takes that
  // request back.
  void EndIfCancelled();
  // Whether the run has ended (Abort, or cancelled): the caller must return at once.
  bool Ended() const { return ended_; }
  // Whether the user closed the transfer-status window: the transfer stops, the monitoring that the box
  // asks for goes on.
  bool Cancelled() const { return cancelled_; }

  // Logs the header of the properties' section (an empty line, "writing Parameters...", an empty line)
  // unless the section has one already; ClearParameterHeader starts a new section.
  void LogParameterHeader();
  void ClearParameterHeader();

  // Writes the text of input box `row` to the current device and, when the write was done, logs it with
  // the value read back and unmarks the box. A write passed over leaves the user's value in the box,
  // marked.
  StepOutcome WriteInput(int row);
  // Writes the text of property box `row` to `device` (by NciKey through GetNciObject, which follows
  // SyncRunning and SyncTarget; by NciName among its network variables when NciByKey is false) and, when
  // the write was done, logs it in `form` with the value read back, which goes on to `readBackTo`. The
  // look-up belongs to the write's step, so that a retry looks again; a missing device or property fails
  // the steps that use it.
  StepOutcome WriteProperty(int row, const std::optional<lns::LnsAppDevice>& device, LogForm form,
                            ReadBackTo readBackTo);

  // Apply's branch for the devices chosen in the device-selection window (SelectedCount > 0): writes the
  // configuration properties to each selected device in turn (every general property with the
  // synchronise option, otherwise the changed ones), showing the progress in fStatus and yielding to the
  // event loop at every row. The boxes and stored values take only what the device being edited reads
  // back; a row it did not take stays red. True when Apply goes on with the rows left red; false when the
  // run has ended inside (the user closed fStatus, or chose Abort). A selection made for a device of
  // another template is dropped with an error line, and nothing is written.
  bool WriteToSelectedDevices();
  // The properties went to the selected devices with the synchronise option, which refuses the
  // device-specific ones.
  bool Synchronised() const { return synchronised_; }

 private:
  void LogSectionHeader(const std::string& title);

  fMain& window_;
  Program& program_;
  // Automatic retries since the start, or since the user last answered Retry or Ignore.
  int retries_ = 0;
  // The current section of the log has its header.
  bool headerLogged_ = false;
  // The start of the log lines of the device whose properties are being written (its subsystem and
  // name), taken at its first line; cleared when the transfer moves on to the next device.
  std::optional<std::string> writtenDevicePrefix_;
  bool synchronised_ = false;
  // The user aborted or cancelled the run: every step from here on is passed over.
  bool ended_ = false;
  bool cancelled_ = false;
};

}  // namespace qvr
