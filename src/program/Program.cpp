#include "program/Program.h"

#include "framework/fProgress.h"
#include "mainwindow/device/fStartbild.h"
#include "mainwindow/fMain.h"

namespace qvr {

Program::Program(ui::Services& services, ui::FormBackend& backend, std::filesystem::path machineRoot)
    : services_(services), app_(services.Loop(), backend, &services), registry_(std::move(machineRoot)) {
  services_.SetApplicationTitle(kApplicationTitle);
}

Program::~Program() = default;

qvr::fMain& Program::fMain() {
  return windows_.Get<qvr::fMain>(*this);
}
ModelView& Program::ModelWindow() {
  return fMain();
}
qvr::fProgress& Program::fProgress() {
  return windows_.Get<qvr::fProgress>(*this);
}
qvr::fStartbild& Program::fStartbild() {
  return windows_.Get<qvr::fStartbild>(*this);
}

void Program::EndProgram() {
  if (ended_) return;
  ended_ = true;
  if (onEnd_) onEnd_();
}

}  // namespace qvr
