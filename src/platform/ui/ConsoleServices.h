#pragma once

#include <ostream>

#include "platform/ui/HeadlessEventLoop.h"
#include "platform/ui/HeadlessServicesDialogs.h"
#include "platform/ui/HeadlessServicesPrinter.h"
#include "platform/ui/HeadlessServicesScreen.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/PosixShell.h"
#include "platform/ui/Services.h"

namespace ui {

// Message boxes where nobody sees windows: each box is written to `out` as one line, "title: prompt"
// (line breaks inside the prompt become blanks), and answered with its default button; a box that asks
// something tells the answer taken.
class ConsoleMessageBoxes : public MessageBoxes {
 public:
  explicit ConsoleMessageBoxes(std::ostream& out) : out_(out) {}
  int Show(const MessageBoxRequest& request) override;

 private:
  std::ostream& out_;
};

// The services of a program run without a display (a command line on a server, an installer): windows
// live in the headless model only, message boxes go to `out` (ConsoleMessageBoxes), and programs really
// start. File and printer dialogs cannot be answered and raise UnscriptedDialog.
class ConsoleServices : public Services {
 public:
  explicit ConsoleServices(std::ostream& out) : boxes_(out), printer_(printOutput_) {}

  ui::EventLoop& Loop() override { return loop_; }
  ui::Screen& Screen() override { return screen_; }
  ui::MessageBoxes& MessageBoxes() override { return boxes_; }
  ui::CommonDialogs& Dialogs() override { return dialogs_; }
  ui::Printer& Printer() override { return printer_; }
  ui::Shell& Shell() override { return shell_; }

 private:
  HeadlessEventLoop loop_;
  HeadlessScreen screen_;
  ConsoleMessageBoxes boxes_;
  HeadlessDialogs dialogs_;
  HeadlessPrintOutput printOutput_;
  ui::Printer printer_;
  PosixShell shell_;
};

}  // namespace ui
