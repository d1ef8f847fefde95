#pragma once

#include "platform/ui/headless/PosixShell.h"

namespace ui {

// Opens documents and addresses as the desktop without a toolkit does (through xdg-open, which tells when
// nothing opens them) and starts programs with QProcess::startDetached (directly, never through a command
// interpreter).
class QtShell : public PosixShell {
 public:
  void StartProgram(const std::vector<std::string>& argv) override;
};

}  // namespace ui
