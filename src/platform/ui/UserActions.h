#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/HeadlessUserInput.h"
#include "platform/ui/UserAction.h"
#include "platform/ui/UserActionTarget.h"

namespace ui {

class Application;
class HeadlessEventLoop;
class HeadlessMessageBoxes;

// A user's script on the headless back end: action lines such as "type txtNci(4) 21,5", "click cmdApply",
// "wait 500" (docs/lns-send.md lists them). Run() queues them as the user's input on the event loop: the
// loop takes them one by one wherever it runs (here, inside a modal form's loop, inside the yields of a
// long operation), each through the events a user's mouse and keyboard raise. An action that a user could
// not do either raises ActionRefused; a box or dialog nobody answered raises UnscriptedDialog.
class UserActions : public HeadlessUserInput {
 public:
  // Checks every line first (ActionRefused for a line that is no action). `boxes`, when given, adds the
  // message boxes shown to the snapshots the script writes.
  UserActions(const std::vector<std::string>& lines, Application& app, HeadlessEventLoop& loop,
              const HeadlessMessageBoxes* boxes = nullptr);

  // What `send COMMAND CLASS PATH` does (the rest of the line as written); without it, `send` is refused.
  std::function<void(const std::string& command)> OnSend;

  // Runs the script to its end; the loop runs the posted work that the last action left.
  void Run();
  // The snapshot that `snapshot FILE` writes: the main form, the other loaded forms, the boxes.
  std::string SnapshotText() const;

  bool Pending() const override { return next_ < actions_.size(); }
  void RunNext() override;

 private:
  void Do(const UserAction& action);
  void Click(const UserAction& action);
  void Type(const UserAction& action);
  void SetText(const UserAction& action);
  void Choose(const UserAction& action);
  void Key(const UserAction& action);
  void Spin(const UserAction& action);
  void Check(const UserAction& action);
  void WriteSnapshot(const UserAction& action) const;

  Application& app_;
  HeadlessEventLoop& loop_;
  const HeadlessMessageBoxes* boxes_;
  UserActionTarget target_;
  std::vector<UserAction> actions_;
  std::size_t next_ = 0;
};

}  // namespace ui
