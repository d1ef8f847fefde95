#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/eventloop/HeadlessUserInput.h"
#include "platform/ui/script/UserAction.h"
#include "platform/ui/script/UserActionTarget.h"

namespace platform {
class EventLoop;
}  // namespace platform

namespace platform {
class HeadlessEventLoop;
}  // namespace platform

namespace ui {

class Application;
class HeadlessMessageBoxes;

// A user's script: action lines such as "type txtNci(4) 21,5", "click cmdApply", "wait 500"
// (docs/lns-send.md lists them), each done through the events a user's mouse and keyboard raise. On the
// headless back end Run() queues them as the user's input: the loop takes them one by one wherever it runs
// (here, inside a modal form's loop, inside the yields of a long operation, where an action that cannot be
// done yet waits for a later turn). An action that a user could not do either raises ActionRefused; a box or
// dialog nobody answered raises UnscriptedDialog.
class UserActions : public platform::HeadlessUserInput {
 public:
  // Checks every line first (ActionRefused for a line that is no action). `boxes`, when given, adds the
  // message boxes shown to the snapshots.
  UserActions(const std::vector<std::string>& lines, Application& app,
              const HeadlessMessageBoxes* boxes = nullptr);

  // What `send COMMAND CLASS PATH` does (the rest of the line as written); without it, `send` is refused.
  std::function<void(const std::string& command)> OnSend;
  // Whether the plug-in takes the director's command now. While it does not, a `send` waits as the
  // plug-in holds a director's call: in a yield the actions after it wait with it (what holds it ends by
  // itself); elsewhere (a modal window's loop) they go on, and it runs at the first turn that takes it.
  std::function<bool()> SendTakenNow;

  // Queues the script on the headless loop and runs it to its end, in virtual time; the loop then runs
  // the posted work that the last action left.
  void Run(platform::HeadlessEventLoop& loop);
  // On real windows, where the person answers boxes and modal windows: the actions one after the other,
  // the loop's pending work between them; `passTime` serves the windows for the milliseconds of a `wait`
  // or a held spin arrow.
  void RunInOrder(platform::EventLoop& loop, std::function<void(long milliseconds)> passTime);
  // The snapshot that `snapshot FILE` writes: the main form, the other loaded forms, the boxes.
  std::string SnapshotText() const;

  bool Pending() const override;
  void RunNext() override;
  void RunNextInYield() override;

 private:
  void Do(const UserAction& action);
  bool SendTaken() const;
  // Runs the first held `send` when the plug-in takes it now; false when it ran none.
  bool RunHeldSend();
  // At the script's end: a `send` still held could never run.
  void RefuseHeldSends() const;
  // Whether the user could do the action now: its form shown, its control within reach.
  bool Possible(const UserAction& action) const;
  void Click(const UserAction& action);
  void Type(const UserAction& action);
  void SetText(const UserAction& action);
  void Choose(const UserAction& action);
  void Key(const UserAction& action);
  void Spin(const UserAction& action);
  void Check(const UserAction& action);
  void WriteSnapshot(const UserAction& action) const;

  Application& app_;
  std::function<void(long milliseconds)> passTime_;
  const HeadlessMessageBoxes* boxes_;
  UserActionTarget target_;
  std::vector<UserAction> actions_;
  std::size_t next_ = 0;
  // The `send` actions (indexes) that the plug-in held, in their order.
  std::deque<std::size_t> heldSends_;
};

}  // namespace ui
