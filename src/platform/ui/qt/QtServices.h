#pragma once

#include <string>

#include "platform/ui/Services.h"
#include "platform/ui/qt/QtDateTimeWriter.h"
#include "platform/ui/qt/QtDialogs.h"
#include "platform/ui/qt/QtEventLoop.h"
#include "platform/ui/qt/QtMessageBoxes.h"
#include "platform/ui/qt/QtPrintOutput.h"
#include "platform/ui/qt/QtScreen.h"
#include "platform/ui/qt/QtShell.h"

namespace ui {

// The services of a program that shows real windows; dates and times are written as its dialogs write them. A
// QApplication must exist first. Print jobs go to the printer chosen in the printer dialog, or to `pdfPath`
// when one is given.
class QtServices : public Services {
 public:
  QtServices() : dialogs_(printOutput_.Device()), printer_(printOutput_) {}
  explicit QtServices(const std::string& pdfPath)
      : printOutput_(pdfPath), dialogs_(printOutput_.Device()), printer_(printOutput_) {}

  platform::EventLoop& Loop() override { return loop_; }
  ui::Screen& Screen() override { return screen_; }
  ui::MessageBoxes& MessageBoxes() override { return boxes_; }
  ui::CommonDialogs& Dialogs() override { return dialogs_; }
  ui::Printer& Printer() override { return printer_; }
  ui::Shell& DesktopShell() override { return shell_; }
  ui::TimeOfDay& Clock() override { return clock_; }

 private:
  QtEventLoop loop_;
  QtScreen screen_;
  QtMessageBoxes boxes_;
  QtPrintOutput printOutput_;
  QtDialogs dialogs_;
  ui::Printer printer_;
  QtShell shell_;
  QtDateTimeWriter dateTimes_;
  SystemTimeOfDay clock_{dateTimes_};
};

}  // namespace ui
