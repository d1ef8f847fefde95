#include "platform/ui/Services.h"

#include "platform/CountedScope.h"

namespace ui {

int Services::MsgBox(const std::string& prompt, int style, const std::string& title) {
  const platform::CountedScope shown(messageBoxesShown_);
  return MessageBoxes().Show(
      MessageBoxRequest::FromStyle(prompt, style, title.empty() ? applicationTitle_ : title));
}

ui::TimeOfDay& Services::Clock() {
  static SystemTimeOfDay machineTime;
  return machineTime;
}

}  // namespace ui
