// Writing one row of Apply: the box's text goes to the device, the value the device reads back goes to
// the log and becomes the stored value, and the box loses its mark.

#include "mainwindow/apply/ApplyRows.h"

#include <cstddef>
#include <optional>
#include <string>
#include <variant>

#include "mainwindow/apply/ApplyRun.h"
#include "mainwindow/editors/ChangeMark.h"
#include "mainwindow/editors/CompanionChoices.h"
#include "mainwindow/editors/InputCompanions.h"
#include "mainwindow/fMain.h"
#include "platform/lns/LnsObjectModel.h"
#include "platform/runtime/Present.h"
#include "program/Program.h"
#include "texts/MainMessages.h"

namespace qvr {

namespace {

// A property is written to a configuration property found by its address, or to the configuration
// network variable of its name; both read back the same way.
using PropertyTarget = std::variant<lns::LnsConfigProperty, lns::LnsNetworkVariable>;

std::string ReadBack(const std::optional<PropertyTarget>& target) {
  return std::visit([](const auto& object) { return object.GetValue(); }, runtime::Present(target));
}

// The start of a written value's log line: the subsystem holding `device`, " : " and its name.
std::string WrittenDevicePrefix(const std::optional<lns::LnsAppDevice>& device) {
  const lns::LnsAppDevice& written = runtime::Present(device);
  return written.GetSubsystems().Item(1).GetName() + " : " + written.GetName();
}

std::string LogLineOf(ApplyRun::LogForm form, const std::string& devicePrefix, const std::string& name,
                      const std::string& value) {
  if (form == ApplyRun::LogForm::SelectedDevice) return devicePrefix + " :   " + name + "  =  " + value;
  return devicePrefix + ": " + name + " = " + value;
}

}  // namespace

void UnmarkInputRow(fMain& window, int row) {
  MarkChanged(window.txtNvi[row], false);
  for (ui::Control* companion : MarkedInputCompanions(window, row)) MarkChanged(*companion, false);
}

void UnmarkPropertyRow(fMain& window, int row) {
  MarkChanged(window.txtNci[row], false);
  for (const int combo : MarkedCompanions(row)) MarkChanged(window.cmb_nci[combo], false);
}

ApplyRun::StepOutcome ApplyRun::WriteInput(int row) {
  DataPoint& input = program_.datapoints.NviTable.at(static_cast<std::size_t>(row));
  std::optional<lns::LnsAppDevice>& device = program_.framework.CurrentDevice;
  LogSectionHeader(program_.texts.MsgMain[kMsgWritingInputs]);
  // A failing look-up leaves nothing behind for the steps that need the variable.
  std::optional<lns::LnsNetworkVariable> variable;
  const bool found = Step([&] {
    variable = runtime::Present(device).GetInterface().GetNetworkVariables().ItemByIndex(input.NviIndex);
  });
  // Editing the box may have suspended its monitoring.
  if (!found || !Step([&] { runtime::Present(variable).PutMonitorSuspended(false); })) {
    return StepOutcome::RunEnded;
  }
  // Every try writes the user's value: a refusal leaves the box alone.
  const StepOutcome written =
      TryStep([&] { runtime::Present(variable).PutValue(runtime::Present(input.NviTextBox).Text()); });
  // A value the device did not take is neither logged as written nor unmarked.
  if (written != StepOutcome::Done) return written;
  const bool shown = Step([&] {
                       window_.EchLog.LogLine(WrittenDevicePrefix(device) + ":  " + input.NviName + " = " +
                                              runtime::Present(variable).GetValue());
                     }) &&
                     Step([&] { UnmarkInputRow(window_, row); });
  return shown ? written : StepOutcome::RunEnded;
}

ApplyRun::StepOutcome ApplyRun::WriteProperty(int row, const std::optional<lns::LnsAppDevice>& device,
                                              LogForm form, ReadBackTo readBackTo) {
  DataPoint& point = program_.datapoints.NciTable.at(static_cast<std::size_t>(row));
  std::optional<PropertyTarget> target;
  // The look-up belongs to the write, so that a retry looks the property up again.
  const StepOutcome written = TryStep([&] {
    target.reset();
    if (point.NciByKey) {
      target = runtime::Present(window_.GetNciObject(point.NciKey));
    } else {
      target = runtime::Present(device).GetInterface().GetNetworkVariables().Item(point.NciName);
    }
    std::visit([&](auto& object) { object.PutValue(runtime::Present(point.NciTextBox).Text()); }, *target);
  });
  // A value the device did not take is not logged as written, and the box keeps it, marked.
  if (written != StepOutcome::Done) return written;
  // The log, the stored value and the box take the value as the device holds it after the write: read
  // once when that succeeds, and again by each of them while it fails.
  std::optional<std::string> readBack;
  const auto valueReadBack = [&] {
    if (!readBack) readBack = ReadBack(target);
    return *readBack;
  };
  bool goesOn = Step([&] {
    if (!writtenDevicePrefix_) writtenDevicePrefix_ = WrittenDevicePrefix(device);
    window_.EchLog.LogLine(LogLineOf(form, *writtenDevicePrefix_, point.NciName, valueReadBack()));
  });
  if (readBackTo != ReadBackTo::Log) goesOn = goesOn && Step([&] { point.NciValue = valueReadBack(); });
  // The stored value first, so that the box's change handling finds both equal.
  if (readBackTo == ReadBackTo::StoredValueAndBox) {
    goesOn = goesOn && Step([&] { runtime::Present(point.NciTextBox).SetText(valueReadBack()); }) &&
             Step([&] { UnmarkPropertyRow(window_, row); });
  }
  return goesOn ? written : StepOutcome::RunEnded;
}

}  // namespace qvr
