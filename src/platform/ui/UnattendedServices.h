#pragma once

#include "platform/ui/MessageBox.h"
#include "platform/ui/Services.h"

namespace ui {

// The services of a program whose windows nobody sees (offscreen) but that others drive: everything is
// the wrapped back end's, except that a message box, which nobody could answer, raises UnscriptedDialog
// ("the plug-in showed a message box: PROMPT") instead of waiting for ever.
class UnattendedServices : public Services {
 public:
  explicit UnattendedServices(Services& services) : services_(services) {}

  ui::EventLoop& Loop() override { return services_.Loop(); }
  ui::Screen& Screen() override { return services_.Screen(); }
  ui::MessageBoxes& MessageBoxes() override { return boxes_; }
  ui::CommonDialogs& Dialogs() override { return services_.Dialogs(); }
  ui::Printer& Printer() override { return services_.Printer(); }
  ui::Shell& Shell() override { return services_.Shell(); }

 private:
  class RefusedBoxes : public ui::MessageBoxes {
   public:
    int Show(const MessageBoxRequest& request) override;
  };

  Services& services_;
  RefusedBoxes boxes_;
};

}  // namespace ui
