#pragma once

#include "platform/eventloop/HeadlessEventLoop.h"
#include "platform/ui/HeadlessServicesBoxes.h"
#include "platform/ui/HeadlessServicesDialogs.h"
#include "platform/ui/HeadlessServicesPrinter.h"
#include "platform/ui/HeadlessServicesScreen.h"
#include "platform/ui/PosixShell.h"
#include "platform/ui/Services.h"

namespace ui {

// The services of a program run from a script on the headless back end: windows live in the headless
// model, message boxes take the script's answers (Boxes()), and programs really start, since what a program
// starts (a second instance that registers a class) is part of what the script asks for.
class HeadlessProgramServices : public Services {
 public:
  HeadlessProgramServices() : printer_(printOutput_) {}

  platform::EventLoop& Loop() override { return loop_; }
  ui::Screen& Screen() override { return screen_; }
  ui::MessageBoxes& MessageBoxes() override { return boxes_; }
  ui::CommonDialogs& Dialogs() override { return dialogs_; }
  ui::Printer& Printer() override { return printer_; }
  ui::Shell& Shell() override { return shell_; }

  HeadlessMessageBoxes& Boxes() { return boxes_; }
  platform::HeadlessEventLoop& HeadlessLoop() { return loop_; }

 private:
  platform::HeadlessEventLoop loop_;
  HeadlessScreen screen_;
  HeadlessMessageBoxes boxes_;
  HeadlessDialogs dialogs_;
  HeadlessPrintOutput printOutput_;
  ui::Printer printer_;
  PosixShell shell_;
};

}  // namespace ui
