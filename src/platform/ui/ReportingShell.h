#pragma once

#include "platform/ui/Shell.h"

namespace ui {

class Services;

// The shell as the system uses it: the back end's desktop shell, except that a document or address that
// nothing opens is told to the user in a message box (its path and the reason), as a desktop's own shell
// does, and the open returns as one that worked.
class ReportingShell : public Shell {
 public:
  explicit ReportingShell(Services& services) : services_(services) {}

  void Open(const std::string& target, int showCommand) override;
  void StartProgram(const std::vector<std::string>& argv) override;

 private:
  Services& services_;
};

}  // namespace ui
