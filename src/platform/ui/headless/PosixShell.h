#pragma once

#include "platform/ui/Shell.h"

namespace ui {

// The shell of a Linux desktop without a toolkit: documents open through xdg-open, programs start by
// fork and exec, detached so that they outlive this process and leave no zombie behind.
class PosixShell : public Shell {
 public:
  void Open(const std::string& target, int showCommand) override;
  void StartProgram(const std::vector<std::string>& argv) override;
};

}  // namespace ui
