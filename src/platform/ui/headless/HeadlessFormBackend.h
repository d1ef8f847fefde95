#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/FormBackend.h"

namespace platform {
class HeadlessEventLoop;
}  // namespace platform

namespace ui {

// The back end of tests and of scripted runs: forms have no windows; a modal form runs the script that the
// test queued for it and must be hidden or unloaded by it. With nothing queued and the user's input queued
// on the headless loop (HeadlessEventLoop::SetUserInput), the modal form's loop takes that input until the
// form is closed. Showing a modal form that nothing was queued for (or another form
// than the one queued next) raises ui::UnscriptedDialog, and so does a script that leaves its form shown
// (the form is hidden first, so nothing waits on it).
class HeadlessFormBackend : public FormBackend {
 public:
  // The next modal show must be of the form named `formName`; `script` plays the user.
  void ExpectModal(std::string formName, std::function<void(Form&)> script);
  std::size_t PendingModalScripts() const { return scripts_.size(); }
  // Names of the forms shown modal so far, in order.
  const std::vector<std::string>& ModalShown() const { return modalShown_; }

  void FormLoaded(Form& form) override;
  void FormUnloaded(Form& form) override;
  void RunModal(Form& form) override;

 private:
  struct Script {
    std::string formName;
    std::function<void(Form&)> run;
  };
  void RunModalOnInput(Form& form, platform::HeadlessEventLoop& loop);

  std::deque<Script> scripts_;
  std::vector<std::string> modalShown_;
};

}  // namespace ui
