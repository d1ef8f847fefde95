#pragma once

#include <chrono>

#include "platform/ui/Shell.h"

namespace ui {

// The shell of a Linux desktop without a toolkit: documents open through xdg-open, programs start by
// fork and exec, detached so that they outlive this process and leave no zombie behind.
class PosixShell : public Shell {
 public:
  // xdg-open ends once the program for the document has started, on most desktops at once; where it runs
  // that program in its stead, the window waits no longer than this for an answer.
  static constexpr std::chrono::milliseconds kOpenAnswerWait{3000};

  void Open(const std::string& target, int showCommand) override;
  void StartProgram(const std::vector<std::string>& argv) override;
};

}  // namespace ui
