#include "platform/ui/ReportingShell.h"

#include "platform/ui/Services.h"

namespace ui {

void ReportingShell::Open(const std::string& target, int showCommand) {
  try {
    services_.DesktopShell().Open(target, showCommand);
  } catch (const OpenFailure& failure) {
    services_.MsgBox(failure.what(), vbOKOnly | vbCritical);
  }
}

void ReportingShell::StartProgram(const std::vector<std::string>& argv) {
  services_.DesktopShell().StartProgram(argv);
}

}  // namespace ui
