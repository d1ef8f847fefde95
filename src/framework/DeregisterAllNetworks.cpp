#include "framework/DeregisterAllNetworks.h"

#include <optional>
#include <string>
#include <vector>

#include "framework/NetworkRegistration.h"
#include "framework/NetworkRegistrationParts.h"
#include "mainwindow/device/ProgressWindows.h"
#include "mainwindow/device/fProgress.h"
#include "mainwindow/device/fStartbild.h"
#include "mainwindow/fMain.h"
#include "platform/lns/LnsObjectModel.h"
#include "platform/runtime/Present.h"
#include "platform/runtime/ResumeNext.h"
#include "program/Program.h"

namespace qvr {

namespace {

constexpr const char* kSystemModeLine = "Engineered system mode";

// Shows the progress window where it stands during a stand-alone run, with the first status line.
void ShowProgressWindow(Program& program) {
  qvr::fProgress& progress = program.fProgress();
  const ui::Screen& screen = program.Ui().Screen();
  const double splashHeight = program.fStartbild().Height();
  progress.Move(static_cast<float>((screen.Width() - (progress.Width() + splashHeight / 2.1)) / 2),
                static_cast<float>((screen.Height() - (progress.Height() - splashHeight / 1.1)) / 2));
  progress.Show(ui::Modality::Modeless);
  ShowRegistrationStatus(program, program.texts.MsgFramework[kMsgOpeningObjectServer]);
}

void ShowProgressStatus(Program& program, const std::string& text) {
  if (program.framework.ShowProgress) ShowRegistrationStatus(program, text);
}

// The system of the open network, opened; a system that fails to open is tried once more.
bool OpenCurrentSystem(Program& program) {
  FrameworkState& state = program.framework;
  runtime::ErrObject& err = program.Err;
  runtime::ResumeNext(
      err, [&] { state.CurrentSystem = runtime::Present(state.CurrentNetwork).GetSystems().Item(1); });
  if (state.ShowProgress) {
    std::string systemName;
    runtime::ResumeNext(err, [&] { systemName = runtime::Present(state.CurrentSystem).GetName(); });
    ShowRegistrationStatus(
        program, program.texts.MsgFramework[kMsgOpening] + systemName + "...\r\n" + kSystemModeLine);
  }
  const auto open = [&] { runtime::Present(state.CurrentSystem).Open(); };
  return runtime::ResumeNext(err, open) || runtime::ResumeNext(err, open);
}

// Deregisters the plug-in in the network at `position` (from 1); the Object Server's own entries go with
// the first network. Whatever fails is skipped; the network is closed again in any case. A network that
// did not open, or whose entries could not all be removed, is named in `left`.
void DeregisterNetworkAt(Program& program, const lns::LnsNetworks& networks, long position,
                         bool offerTemplateRemoval, NetworksLeft& left) {
  FrameworkState& state = program.framework;
  runtime::ErrObject& err = program.Err;
  runtime::ResumeNext(err, [&] { state.CurrentNetwork = networks.Item(position); });
  std::string networkName;
  runtime::ResumeNext(err, [&] { networkName = runtime::Present(state.CurrentNetwork).GetName(); });
  ShowProgressStatus(program, program.texts.MsgFramework[kMsgOpening] + networkName + "...");
  const bool opened = runtime::ResumeNext(err, [&] { runtime::Present(state.CurrentNetwork).Open(); }) &&
                      OpenCurrentSystem(program);
  bool removed = false;
  if (opened) {
    ShowProgressStatus(program, program.texts.MsgFramework[kMsgDeregisterCommands]);
    removed = DeregisterInNetwork(program, offerTemplateRemoval, position == 1);
  }
  runtime::ResumeNext(err, [&] { runtime::Present(state.CurrentSystem).Close(); });
  runtime::ResumeNext(err, [&] { runtime::Present(state.CurrentNetwork).Close(); });
  state.CurrentSystem.reset();
  state.CurrentNetwork.reset();
  if (removed) return;
  (opened ? left.unchanged : left.unopened)
      .push_back(networkName.empty() ? "#" + std::to_string(position) : networkName);
}

}  // namespace

NetworksLeft DeregisterFromAllNetworks(Program& program, bool offerTemplateRemoval) {
  FrameworkState& state = program.framework;
  runtime::ErrObject& err = program.Err;
  InitCommandTable(state.CommandTable);
  // The main window's load fills the message texts, which the first status line already needs.
  runtime::ResumeNext(err, [&] { state.ObjectServer = &program.fMain().lcaOS(); });
  if (state.ShowProgress) ShowProgressWindow(program);

  runtime::ResumeNext(err, [&] { runtime::Present(state.ObjectServer).PutRemote(false); });
  std::optional<lns::LnsNetworks> networks;
  long count = 0;
  NetworksLeft left;
  if (runtime::ResumeNext(err, [&] {
        runtime::Present(state.ObjectServer).Open();
        networks = runtime::Present(state.ObjectServer).GetNetworks();
        count = networks->Count();
      })) {
    for (long position = 1; position <= count; ++position)
      DeregisterNetworkAt(program, *networks, position, offerTemplateRemoval, left);
  } else {
    left.serverFailure = err.Description;
  }

  if (state.ShowProgress) {
    CloseProgressWindows(program);
    program.Windows().Drop<qvr::fProgress>();
    program.Ui().DoEvents();
  }
  runtime::ResumeNext(err, [&] { runtime::Present(state.ObjectServer).Close(); });
  state.ObjectServer = nullptr;
  return left;
}

}  // namespace qvr
