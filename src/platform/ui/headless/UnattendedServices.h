#pragma once

#include "platform/ui/MessageBox.h"
#include "platform/ui/Services.h"

namespace ui {

// The services of a program whose windows nobody sees (offscreen): everything is the wrapped back end's
// except the message boxes, which nobody could answer and which `boxes` stands in for.
class UnattendedServices : public Services {
 public:
  UnattendedServices(Services& services, ui::MessageBoxes& boxes) : services_(services), boxes_(boxes) {}

  platform::EventLoop& Loop() override { return services_.Loop(); }
  ui::Screen& Screen() override { return services_.Screen(); }
  ui::MessageBoxes& MessageBoxes() override { return boxes_; }
  ui::CommonDialogs& Dialogs() override { return services_.Dialogs(); }
  ui::Printer& Printer() override { return services_.Printer(); }
  ui::Shell& DesktopShell() override { return services_.DesktopShell(); }
  ui::TimeOfDay& Clock() override { return services_.Clock(); }

 private:
  Services& services_;
  ui::MessageBoxes& boxes_;
};

// Message boxes of a program that others drive (a server): every box raises UnscriptedDialog ("the plug-in
// showed a message box: PROMPT") instead of waiting for ever, so the caller learns what was asked.
class RefusedMessageBoxes : public MessageBoxes {
 public:
  int Show(const MessageBoxRequest& request) override;
};

}  // namespace ui
