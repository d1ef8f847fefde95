#pragma once

#include "platform/ui/Form.h"

namespace ui {

// Takes a loaded window's input away while it lives, and gives it back; a window that had none already
// stays as it was.
class InputBlocked {
 public:
  explicit InputBlocked(Form& form) : form_(form), blocked_(form.IsLoaded() && form.Enabled()) {
    if (blocked_) form_.SetEnabled(false);
  }
  ~InputBlocked() {
    if (blocked_ && form_.IsLoaded()) form_.SetEnabled(true);
  }
  InputBlocked(const InputBlocked&) = delete;
  InputBlocked& operator=(const InputBlocked&) = delete;

 private:
  Form& form_;
  bool blocked_;
};

}  // namespace ui
