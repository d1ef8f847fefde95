#include "platform/ui/headless/HeadlessFormBackend.h"

#include "platform/eventloop/HeadlessEventLoop.h"
#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
#include "platform/ui/ScriptStops.h"

namespace ui {

namespace {

bool Shown(const Form& form) {
  return form.IsLoaded() && form.RawState().visible;
}

// The headless loop, when the program runs on it.
platform::HeadlessEventLoop* HeadlessLoop(const Form& form) {
  return dynamic_cast<platform::HeadlessEventLoop*>(&form.App().Loop());
}

}  // namespace

void HeadlessFormBackend::ExpectModal(std::string formName, std::function<void(Form&)> script) {
  scripts_.push_back({std::move(formName), std::move(script)});
}

void HeadlessFormBackend::FormLoaded(Form& /*form*/) {}

void HeadlessFormBackend::FormUnloaded(Form& /*form*/) {}

void HeadlessFormBackend::RunModal(Form& form) {
  modalShown_.push_back(form.Name());
  platform::HeadlessEventLoop* loop = HeadlessLoop(form);
  if (scripts_.empty() && loop && loop->UserInput()) return RunModalOnInput(form, *loop);
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
void HeadlessFormBackend::RunModalOnInput(Form& form, platform::HeadlessEventLoop& loop) {
  while (Shown(form)) {
    platform::HeadlessUserInput* input = loop.UserInput();
    if (!input || !input->Pending()) {
      form.Hide();
      throw UnscriptedDialog("modal form " + form.Name() + " is still shown after the last action");
    }
    input->RunNext();
    loop.RunPending();
  }
}

}  // namespace ui
