#pragma once

#include <string>

#include "platform/eventloop/EventLoop.h"
#include "platform/ui/CommonDialog.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Printer.h"
#include "platform/ui/ReportingShell.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Shell.h"
#include "platform/ui/TimeOfDay.h"

namespace ui {

// Everything outside the forms that the system asks of its surroundings: the event loop, the screen,
// message boxes, the file and printer dialogs, the printer, the desktop shell and the time of day. A back end
// (headless or Qt) provides one set; the system reaches it through this interface only.
class Services {
 public:
  Services() : shell_(*this) {}
  virtual ~Services() = default;
  Services(const Services&) = delete;
  Services& operator=(const Services&) = delete;

  virtual platform::EventLoop& Loop() = 0;
  virtual ui::Screen& Screen() = 0;
  virtual ui::MessageBoxes& MessageBoxes() = 0;
  virtual ui::CommonDialogs& Dialogs() = 0;
  virtual ui::Printer& Printer() = 0;
  // The back end's shell, whose Open raises OpenFailure when nothing opens the target.
  virtual ui::Shell& DesktopShell() = 0;
  // The shell as the system uses it: what nothing opens is told in a message box of MessageBoxes().
  ui::Shell& Shell() { return shell_; }
  // The date and time of day; the machine's local time unless the back end keeps its own.
  virtual ui::TimeOfDay& Clock();

  // Shows a message box and returns its answer (vbOK, vbYes, ...). `style` adds up the button set, the
  // icon and the default button; an empty title shows the application title.
  int MsgBox(const std::string& prompt, int style = vbOKOnly, const std::string& title = {});
  // True while a message box waits for its answer.
  bool MessageBoxShown() const { return messageBoxesShown_ > 0; }

  // Lets pending window events, posted work and due timers run once, then returns.
  void DoEvents() { Loop().DoEvents(); }

  // The title of message boxes that have none of their own.
  const std::string& ApplicationTitle() const { return applicationTitle_; }
  void SetApplicationTitle(std::string title) { applicationTitle_ = std::move(title); }

 private:
  std::string applicationTitle_;
  ReportingShell shell_;
  int messageBoxesShown_ = 0;
};

}  // namespace ui
