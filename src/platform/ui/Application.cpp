#include "platform/ui/Application.h"

#include <algorithm>

#include "platform/runtime/RuntimeErrors.h"
#include "platform/ui/Form.h"
#include "platform/ui/UiError.h"

namespace ui {

Application::Application(platform::EventLoop& loop, FormBackend& backend, Services* services)
    : loop_(loop), backend_(backend), services_(services) {}

Application::~Application() = default;

Services& Application::UiServices() const {
  if (!services_) runtime::RaiseInvalidCall("ui", "no UI services");
  return *services_;
}

void Application::AddForm(Form& form) {
  forms_.push_back(&form);
}

void Application::RemoveForm(Form& form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), &form), forms_.end());
  FormUnloaded(form);
}

void Application::FormLoaded(Form& form) {
  loadedForms_.push_back(&form);
}

void Application::FormUnloaded(Form& form) {
  loadedForms_.erase(std::remove(loadedForms_.begin(), loadedForms_.end(), &form), loadedForms_.end());
}

void Application::UnloadAllBut(Form& keep) {
  // Unloading one form may create or destroy others; visit a copy and skip what is gone meanwhile.
  const std::vector<Form*> snapshot = forms_;
  for (Form* form : snapshot) {
    if (form == &keep || std::find(forms_.begin(), forms_.end(), form) == forms_.end()) continue;
    form->Unload();
  }
}

}  // namespace ui
