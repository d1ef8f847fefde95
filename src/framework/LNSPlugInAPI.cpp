#include "framework/LNSPlugInAPI.h"

#include <limits>
#include <optional>

#include "framework/NetworkRegistration.h"
#include "identity/PlugInIdentity.h"
#include "mainwindow/device/ProgressPlacement.h"
#include "mainwindow/device/fProgress.h"
#include "mainwindow/fMain.h"
#include "platform/runtime/ResumeNext.h"
#include "platform/runtime/RuntimeErrors.h"
#include "platform/ui/InputBlocked.h"
#include "program/Program.h"
#include "services/HostErrors.h"
#include "services/TypeFiles.h"
#include "texts/DirectorMessages.h"
#include "texts/PlugInMessages.h"

namespace qvr {

LNSPlugInAPI::LNSPlugInAPI(Program& program) : program_(program) {
  FrameworkState& state = program_.framework;
  // The count may not wrap: at its limit the object is refused before anything changes.
  if (state.InstanceCount == std::numeric_limits<decltype(state.InstanceCount)>::max())
    runtime::RaiseOverflow(kProjectName, program_.texts.MsgDirector[kMsgTooManyObjects]);
  if (state.InstanceCount == 0) {
    InitCommandTable(state.CommandTable);
    InitTypeFileTable(program_);
    state.ObjectServerIsOpen = false;
    state.NetworkIsOpen = false;
    // Reaching the control loads the main window, hidden.
    state.ObjectServer = &program_.fMain().lcaOS();
    state.ReopenNetworkForUser = [&program = program_] { ReopenShownNetworkForUser(program); };
  }
  ++state.InstanceCount;
}

LNSPlugInAPI::~LNSPlugInAPI() {
  FrameworkState& state = program_.framework;
  --state.InstanceCount;
  if (program_.HasEnded()) return;  // nothing is left to end, and no window may load again
  // A release cannot report to the director; an error on the way ends nothing.
  runtime::ErrObject ignored;
  runtime::ResumeNext(ignored, [&] {
    qvr::fMain& mainWindow = program_.fMain();
    if (!mainWindow.Visible() && state.InstanceCount == 0) mainWindow.EndPlugIn();
  });
}

std::string LNSPlugInAPI::SendCommand(std::int32_t& commandId, std::int16_t& objectClassId,
                                      std::string& objectName) {
  // From its first step the command holds the directors' calls, and a device command the window's input
  // too: its yields would let another command run to its end inside this one, and this one would then open
  // its device over it. The (de)registration asks its questions in boxes over the window.
  qvr::fMain& window = program_.fMain();
  const auto command = window.RunDirectorsCommand();
  std::optional<ui::InputBlocked> blocked;
  if (commandId != kRegisterCommand && commandId != kDeregisterCommand) blocked.emplace(window);
  qvr::fProgress& progress = program_.fProgress();
  progress.Show(ui::Modality::Modeless);
  PlaceProgressForMainWindow(program_, progress);
  program_.Ui().DoEvents();

  CommandStep step;
  try {
    OpenOwnNetwork();
    step = RunCommandStep(commandId, objectClassId);
  } catch (...) {
    // An error that reaches the director leaves no progress window (and hourglass) behind.
    CloseProgress();
    throw;
  }
  CloseProgress();
  if (step.networkLost) RaiseToHost(platform::kErrObjectNotFound, kObjectNotFoundText);
  if (step.registrationFailed) RaiseWithMessage(platform::kErrRegistrationFailed, kMsgRegistrationFailed);
  program_.Ui().DoEvents();

  if (commandId == kRegisterCommand || commandId == kDeregisterCommand) return {};
  if (step.matchedRow) {
    ParseObjectName(program_.framework, objectName);
    const std::optional<LnsObject> target =
        LostItsNetwork() ? std::nullopt : FindObjectByClass(program_.framework, objectClassId);
    return DispatchDeviceCommand(*step.matchedRow, target);
  }
  if (step.commandKnown) {
    RaiseWithMessage(platform::kErrObjectTypeNotSupported, kMsgObjectTypeNotSupported);
  }
  RaiseWithMessage(platform::kErrCommandNotSupported, kMsgCommandNotSupported);
}

LNSPlugInAPI::CommandStep LNSPlugInAPI::RunCommandStep(std::int32_t commandId, std::int16_t objectClassId) {
  switch (commandId) {
    case kRegisterCommand: {
      SetProgressStatus(kMsgRegistering);
      CommandStep step;
      step.networkLost = LostItsNetwork();
      if (!step.networkLost) step.registrationFailed = !RegisterInNetwork(program_);
      return step;
    }
    case kDeregisterCommand: {
      SetProgressStatus(kMsgUnregistering);
      CommandStep step;
      step.networkLost = LostItsNetwork();
      if (!step.networkLost) DeregisterInNetwork(program_, false, true);
      return step;
    }
    default:
      SetProgressStatus(kMsgInitializing);
      return LookUpCommand(commandId, objectClassId);
  }
}

LNSPlugInAPI::CommandStep LNSPlugInAPI::LookUpCommand(std::int32_t commandId,
                                                      std::int16_t objectClassId) const {
  // A row with the command but another class does not end the scan: a later row may have both.
  CommandStep step;
  const CommandTableRows& table = program_.framework.CommandTable;
  for (std::size_t row = 0; row < table.size() && !step.matchedRow; ++row) {
    if (table[row].CommandId != commandId) continue;
    step.commandKnown = true;
    if (table[row].ObjectClassId == objectClassId) step.matchedRow = static_cast<std::int16_t>(row);
  }
  return step;
}

void LNSPlugInAPI::SetProgressStatus(std::size_t message) {
  program_.fProgress().ShowStatus(program_.texts.MsgPlugInAPI[message]);
}

void LNSPlugInAPI::CloseProgress() {
  program_.Windows().Drop<qvr::fProgress>();
}

std::string LNSPlugInAPI::DispatchDeviceCommand(std::int16_t row, const std::optional<LnsObject>& target) {
  if (!target) RaiseToHost(platform::kErrObjectNotFound, kObjectNotFoundText);
  const CommandEntry& entry = program_.framework.CommandTable[static_cast<std::size_t>(row)];
  if (entry.ObjectClassId != kClassAppDevice) return {};
  lns::LnsAppDevice device = std::get<lns::LnsAppDevice>(*target);
  std::int32_t commandId = entry.CommandId;
  if (!program_.fMain().ProcessDeviceCommand(device, commandId)) return {};
  return device.GetName();
}

bool DirectorCallsMayRun(Program& program) {
  const auto* window = program.Windows().Find<qvr::fMain>();
  return window == nullptr || window->TakesDirectorCalls();
}

void RefuseRegistrationNobodySees(Program& program) {
  RaiseToHost(platform::kErrRegistrationFailed, program.texts.MsgDirector[kMsgRegistrationUnseen]);
}

std::string DirectorCallsBusyAnswer(Program& program) {
  const auto* window = program.Windows().Find<qvr::fMain>();
  if (window == nullptr) return {};
  const auto& msg = program.texts.MsgDirector;
  switch (window->DirectorCallsWait()) {
    case fMain::DirectorCallWait::None:
      return {};
    case fMain::DirectorCallWait::UserWindow:
      return msg[kMsgBusy] + msg[kMsgBusyUserWindow];
    case fMain::DirectorCallWait::Apply:
      return msg[kMsgBusy] + msg[kMsgBusyApply];
    case fMain::DirectorCallWait::Command:
      return msg[kMsgBusy] + msg[kMsgBusyCommand];
  }
  return {};
}

void LNSPlugInAPI::RaiseWithMessage(long number, std::size_t message) const {
  RaiseToHost(number, program_.texts.MsgPlugInAPI[message]);
}

}  // namespace qvr
