#pragma once

#include <string>
#include <vector>

#include "platform/ui/Shell.h"

namespace ui {

// Records what the program asks of the shell instead of doing it. Set failing to see how the program
// copes with a shell that cannot run anything.
class HeadlessShell : public Shell {
 public:
  struct OpenRecord {
    std::string target;
    int showCommand = vbNormalFocus;
  };

  void Open(const std::string& target, int showCommand) override;
  void StartProgram(const std::vector<std::string>& argv) override;

  void SetFailing(bool failing) { failing_ = failing; }
  const std::vector<OpenRecord>& Opened() const { return opened_; }
  const std::vector<std::vector<std::string>>& Started() const { return started_; }

 private:
  void FailIfSet(const std::string& what) const;

  bool failing_ = false;
  std::vector<OpenRecord> opened_;
  std::vector<std::vector<std::string>> started_;
};

}  // namespace ui
