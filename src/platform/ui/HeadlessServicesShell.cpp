#include "platform/ui/HeadlessServicesShell.h"

#include "platform/Error.h"

namespace ui {

void HeadlessShell::FailIfSet(const std::string& what) const {
  if (failing_) throw platform::RaisedError(53, "Shell", "File not found: " + what);
}

void HeadlessShell::Open(const std::string& target, int showCommand) {
  FailIfSet(target);
  opened_.push_back({target, showCommand});
}

void HeadlessShell::StartProgram(const std::vector<std::string>& argv) {
  if (argv.empty() || argv.front().empty()) {
    throw platform::RaisedError(5, "Shell", "Invalid procedure call or argument: no program to start");
  }
  FailIfSet(argv.front());
  started_.push_back(argv);
}

}  // namespace ui
