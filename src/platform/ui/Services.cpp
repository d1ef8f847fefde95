#include "platform/ui/Services.h"

namespace ui {

int Services::MsgBox(const std::string& prompt, int style, const std::string& title) {
  return MessageBoxes().Show(
      MessageBoxRequest::FromStyle(prompt, style, title.empty() ? applicationTitle_ : title));
}

ui::TimeOfDay& Services::Clock() {
  static SystemTimeOfDay machineTime;
  return machineTime;
}

}  // namespace ui
