#include "platform/ui/HeadlessFormBackend.h"

#include "platform/ui/Form.h"
#include "platform/ui/HeadlessServicesScript.h"

namespace ui {

void HeadlessFormBackend::ExpectModal(std::string formName, std::function<void(Form&)> script) {
  scripts_.push_back({std::move(formName), std::move(script)});
}

void HeadlessFormBackend::FormLoaded(Form& /*form*/) {}

void HeadlessFormBackend::FormUnloaded(Form& /*form*/) {}

void HeadlessFormBackend::RunModal(Form& form) {
  modalShown_.push_back(form.Name());
  if (scripts_.empty() || scripts_.front().formName != form.Name()) {
    const std::string expected = scripts_.empty() ? "nothing" : "form " + scripts_.front().formName;
    form.Hide();
    throw UnscriptedDialog("modal form " + form.Name() + " shown, but the test expected " + expected);
  }
  Script script = std::move(scripts_.front());
  scripts_.pop_front();
  script.run(form);
  if (form.IsLoaded() && form.RawState().visible) {
    form.Hide();
    throw UnscriptedDialog("modal form " + form.Name() + " is still shown after its script");
  }
}

}  // namespace ui
