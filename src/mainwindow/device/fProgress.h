#pragma once

#include <string>

#include "platform/ui/Form.h"
#include "platform/ui/Label.h"

namespace qvr {

class Program;

// The one-line status window shown while the system works. It keeps the hourglass on while it is loaded
// and places itself just below the middle of the screen, over the lower part of the splash window; every
// change of the status line places it again.
class fProgress : public ui::Form {
 public:
  explicit fProgress(Program& program);

  ui::Label lblStatus;

  // Sets the status line and lets pending window events run once, so that the new text is painted before
  // the work it announces holds the program's thread.
  void ShowStatus(const std::string& text);

  // Left and top by the placement rule, from the screen, this window and the splash window's height.
  void Place();

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_Unload() override;

 private:
  Program& program_;
};

}  // namespace qvr
