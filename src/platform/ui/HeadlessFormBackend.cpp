#include "platform/ui/HeadlessFormBackend.h"

#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
#include "platform/ui/HeadlessEventLoop.h"
#include "platform/ui/HeadlessServicesScript.h"

namespace ui {

namespace {

bool Shown(const Form& form) {
  return form.IsLoaded() && form.RawState().visible;
}

// The user's queued input, when the program runs on the headless loop and a script plays the user.
HeadlessUserInput* QueuedInput(const Form& form) {
  const auto* loop = dynamic_cast<const HeadlessEventLoop*>(&form.App().Loop());
  return loop ? loop->UserInput() : nullptr;
}

}  // namespace

void HeadlessFormBackend::ExpectModal(std::string formName, std::function<void(Form&)> script) {
  scripts_.push_back({std::move(formName), std::move(script)});
}

void HeadlessFormBackend::FormLoaded(Form& /*form*/) {}

void HeadlessFormBackend::FormUnloaded(Form& /*form*/) {}

void HeadlessFormBackend::RunModal(Form& form) {
  modalShown_.push_back(form.Name());
  if (scripts_.empty()) {
    if (HeadlessUserInput* input = QueuedInput(form)) return RunModalOnInput(form, *input);
  }
  if (scripts_.empty() || scripts_.front().formName != form.Name()) {
    const std::string expected = scripts_.empty() ? "nothing" : "form " + scripts_.front().formName;
    form.Hide();
    throw UnscriptedDialog("modal form " + form.Name() + " shown, but the test expected " + expected);
  }
  Script script = std::move(scripts_.front());
  scripts_.pop_front();
  script.run(form);
  if (Shown(form)) {
    form.Hide();
    throw UnscriptedDialog("modal form " + form.Name() + " is still shown after its script");
  }
}

// The modal form's own loop: the queued input acts on it (and on whatever it opens) until it is closed.
void HeadlessFormBackend::RunModalOnInput(Form& form, HeadlessUserInput& input) {
  while (Shown(form)) {
    if (!input.Pending()) {
      form.Hide();
      throw UnscriptedDialog("modal form " + form.Name() + " is still shown after the last action");
    }
    form.App().Loop().DoEvents();
  }
}

}  // namespace ui
