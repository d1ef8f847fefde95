#pragma once

#include <functional>
#include <string>
#include <type_traits>
#include <utility>

#include "platform/runtime/ErrObject.h"
#include "platform/ui/MessageBox.h"

namespace qvr {

class Program;

// The critical Abort/Retry/Ignore box of a routine that talks to the device, as that routine words it.
struct RetryBox {
  RetryBox(std::function<std::string(const runtime::ErrObject&)> prompt, std::string title = {},
           int icon = ui::vbCritical, std::function<void()> beforeBox = {})
      : prompt(std::move(prompt)), title(std::move(title)), icon(icon), beforeBox(std::move(beforeBox)) {}

  // The box's text, made from the error that stopped the step.
  std::function<std::string(const runtime::ErrObject&)> prompt;
  // The caption; empty shows the application title.
  std::string title;
  // The icon added to the Abort/Retry/Ignore buttons.
  int icon;
  // Runs before each box appears (for instance to take the progress windows off the screen); may be empty.
  std::function<void()> beforeBox;
};

// The box's text that most routines show: the error's description followed by `suffix`.
std::function<std::string(const runtime::ErrObject&)> DescriptionThen(std::string suffix);

// How a step ended: it ran through, or it failed and the user chose Ignore (go on with the next step) or
// Abort (take the routine's failure exit).
enum class StepResult { Done, Ignored, Aborted };

// A step as RetryStep runs it: a reference to the caller's callable, which must outlive the call. A
// std::function would copy a lambda's captures to the heap, and a device's open runs many hundred steps.
class StepRef {
 public:
  template <class Step, class = std::enable_if_t<!std::is_same_v<std::decay_t<Step>, StepRef>>>
  StepRef(const Step& step)  // not explicit: a lambda is handed over as it is
      : step_(&step), call_([](const void* callable) { (*static_cast<const Step*>(callable))(); }) {}
  void operator()() const { call_(step_); }

 private:
  const void* step_;
  void (*call_)(const void* callable);
};

// Runs `step`. When it raises, the error goes into program.Err and `box` is shown: Retry runs the step
// again, Ignore and Abort return. The error of an ignored or aborted step stays in program.Err.
StepResult RetryStep(Program& program, const RetryBox& box, StepRef step);

}  // namespace qvr
