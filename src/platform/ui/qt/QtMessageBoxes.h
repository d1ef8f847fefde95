#pragma once

#include "platform/ui/MessageBox.h"

namespace ui {

// Message boxes as modal QMessageBox windows over the active window.
class QtMessageBoxes : public MessageBoxes {
 public:
  int Show(const MessageBoxRequest& request) override;
};

}  // namespace ui
