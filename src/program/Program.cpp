#include "program/Program.h"

#include "platform/runtime/RuntimeErrors.h"

namespace qvr {

Program::Program(ui::Services& services, ui::FormBackend& backend, std::filesystem::path machineRoot)
    : services_(services), app_(services.Loop(), backend, &services), registry_(std::move(machineRoot)) {
  services_.SetApplicationTitle(kApplicationTitle);
}

Program::~Program() = default;

ModelView& Program::ModelWindow() {
  if (!modelWindow_) runtime::RaiseObjectNotSet();
  return *modelWindow_;
}

void Program::EndProgram() {
  if (ended_) return;
  ended_ = true;
  if (onEnd_) onEnd_();
}

}  // namespace qvr
