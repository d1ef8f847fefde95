// Writing one row of Apply: the box's text goes to the device, the value the device reads back goes to
// the log and becomes the stored value, and the box loses its mark.

#include <cstddef>
#include <optional>
#include <string>
#include <variant>

#include "mainwindow/apply/fMainApplyRows.h"
#include "mainwindow/apply/fMainApplyRun.h"
#include "mainwindow/editors/ChangeMark.h"
#include "mainwindow/editors/CompanionChoices.h"
#include "mainwindow/editors/InputCompanions.h"
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

std::string LogLineOf(fMain::NciLogForm form, const std::string& devicePrefix, const std::string& name,
                      const std::string& value) {
  if (form == fMain::NciLogForm::SelectedDevice) return devicePrefix + " :   " + name + "  =  " + value;
  return devicePrefix + ": " + name + " = " + value;
}

}  // namespace

void UnmarkNviRow(fMain& window, int row) {
  MarkChanged(window.txtNvi[row], false);
  for (ui::Control* companion : MarkedInputCompanions(window, row)) MarkChanged(*companion, false);
}

fMain::StepOutcome WriteNviRow(fMain& window, Program& program, fMain::ApplyRun& run, int row) {
  DataPoint& input = program.datapoints.NviTable.at(static_cast<std::size_t>(row));
  std::optional<lns::LnsAppDevice>& device = program.framework.CurrentDevice;
  LogSectionHeader(window, run, program.texts.MsgMain[kMsgWritingInputs]);
  // A failing look-up leaves nothing behind for the steps that need the variable.
  std::optional<lns::LnsNetworkVariable> variable;
  const bool found = window.ApplyStep([&] {
    variable = runtime::Present(device).GetInterface().GetNetworkVariables().ItemByIndex(input.NviIndex);
  });
  // Editing the box may have suspended its monitoring.
  if (!found || !window.ApplyStep([&] { runtime::Present(variable).PutMonitorSuspended(false); })) {
    return fMain::StepOutcome::RunEnded;
  }
  // Every try writes the user's value: a refusal leaves the box alone.
  const fMain::StepOutcome written = window.ApplyStepOutcome(
      [&] { runtime::Present(variable).PutValue(runtime::Present(input.NviTextBox).Text()); });
  // A value the device did not take is neither logged as written nor unmarked.
  if (written != fMain::StepOutcome::Done) return written;
  const bool shown = window.ApplyStep([&] {
    window.EchLog.LogLine(WrittenDevicePrefix(device) + ":  " + input.NviName + " = " +
                          runtime::Present(variable).GetValue());
  }) && window.ApplyStep([&] { UnmarkNviRow(window, row); });
  return shown ? written : fMain::StepOutcome::RunEnded;
}

void fMain::UnmarkNciRow(int row) {
  MarkChanged(txtNci[row], false);
  for (const int combo : MarkedCompanions(row)) MarkChanged(cmb_nci[combo], false);
}

fMain::StepOutcome fMain::WriteNciRow(int row, const std::optional<lns::LnsAppDevice>& device,
                                      NciLogForm form, ReadBackTo readBackTo) {
  DataPoint& point = program_.datapoints.NciTable.at(static_cast<std::size_t>(row));
  std::optional<PropertyTarget> target;
  // The look-up belongs to the write, so that a retry looks the property up again.
  const StepOutcome written = ApplyStepOutcome([&] {
    target.reset();
    if (point.NciByKey) {
      target = runtime::Present(GetNciObject(point.NciKey));
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
  std::optional<std::string>& prefix = runtime::Present(applyRun_).writtenDevicePrefix;
  bool goesOn = ApplyStep([&] {
    if (!prefix) prefix = WrittenDevicePrefix(device);
    EchLog.LogLine(LogLineOf(form, *prefix, point.NciName, valueReadBack()));
  });
  if (readBackTo != ReadBackTo::Log) goesOn = goesOn && ApplyStep([&] { point.NciValue = valueReadBack(); });
  // The stored value first, so that the box's change handling finds both equal.
  if (readBackTo == ReadBackTo::StoredValueAndBox) {
    goesOn = goesOn && ApplyStep([&] { runtime::Present(point.NciTextBox).SetText(valueReadBack()); }) &&
             ApplyStep([&] { UnmarkNciRow(row); });
  }
  return goesOn ? written : StepOutcome::RunEnded;
}

}  // namespace qvr
