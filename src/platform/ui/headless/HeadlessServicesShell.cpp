#include "platform/ui/headless/HeadlessServicesShell.h"

#include "platform/Error.h"
#include "platform/runtime/RuntimeErrors.h"

namespace ui {

void HeadlessShell::FailIfSet(const std::string& what) const {
  if (failing_) runtime::RaiseFileNotFound("Shell", what);
}

void HeadlessShell::Open(const std::string& target, int showCommand) {
  FailIfSet(target);
  opened_.push_back({target, showCommand});
}

void HeadlessShell::StartProgram(const std::vector<std::string>& argv) {
  if (argv.empty() || argv.front().empty()) {
    runtime::RaiseInvalidCall("Shell", "no program to start");
  }
  FailIfSet(argv.front());
  started_.push_back(argv);
}

}  // namespace ui
