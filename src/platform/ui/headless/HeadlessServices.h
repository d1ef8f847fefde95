#pragma once

#include "platform/eventloop/HeadlessEventLoop.h"
#include "platform/ui/Services.h"
#include "platform/ui/headless/HeadlessServicesBoxes.h"
#include "platform/ui/headless/HeadlessServicesDialogs.h"
#include "platform/ui/headless/HeadlessServicesPrinter.h"
#include "platform/ui/headless/HeadlessServicesScreen.h"
#include "platform/ui/headless/HeadlessServicesShell.h"

namespace ui {

// The deterministic services every test of the system runs on: a virtual clock (and a time of day that
// starts at the machine's, or where a test sets it, and runs with it), a fixed screen, scripted
// message boxes and dialogs, a recording printer and a recording shell. The typed accessors give tests
// the scripting and recording side of each service.
class HeadlessServices : public Services {
 public:
  HeadlessServices() : printer_(printOutput_) {}

  platform::EventLoop& Loop() override { return loop_; }
  ui::Screen& Screen() override { return screen_; }
  ui::MessageBoxes& MessageBoxes() override { return boxes_; }
  ui::CommonDialogs& Dialogs() override { return dialogs_; }
  ui::Printer& Printer() override { return printer_; }
  ui::Shell& DesktopShell() override { return shell_; }
  ui::TimeOfDay& Clock() override { return clock_; }

  platform::HeadlessEventLoop& TestLoop() { return loop_; }
  HeadlessScreen& TestScreen() { return screen_; }
  HeadlessMessageBoxes& Boxes() { return boxes_; }
  HeadlessDialogs& TestDialogs() { return dialogs_; }
  const std::vector<PrintedDocument>& TestPrinted() const { return printOutput_.Documents(); }
  // Finished print jobs go to `output` too (null: only recorded).
  void AlsoPrintTo(PrintOutput* output) { printOutput_.AlsoPrintTo(output); }
  HeadlessShell& TestShell() { return shell_; }
  HeadlessTimeOfDay& TestClock() { return clock_; }

 private:
  platform::HeadlessEventLoop loop_;
  HeadlessScreen screen_;
  HeadlessMessageBoxes boxes_;
  HeadlessDialogs dialogs_;
  HeadlessPrintOutput printOutput_;
  ui::Printer printer_;
  HeadlessShell shell_;
  HeadlessTimeOfDay clock_{loop_};
};

}  // namespace ui
