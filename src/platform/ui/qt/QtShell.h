#pragma once

#include "platform/ui/Shell.h"

namespace ui {

// Opens documents and addresses through QDesktopServices and starts programs with
// QProcess::startDetached (directly, never through a command interpreter).
class QtShell : public Shell {
 public:
  void Open(const std::string& target, int showCommand) override;
  void StartProgram(const std::vector<std::string>& argv) override;
};

}  // namespace ui
