#pragma once

#include <vector>

namespace platform {
class EventLoop;
}  // namespace platform

namespace ui {

class Form;
class FormBackend;
class Services;

// What every form of one program shares: the event loop, the back end that shows the forms, the UI
// services (screen, message boxes, dialogs, printer, shell) and the list of live forms with the main form
// and the active one. The system creates one per process (tests one per test) and hands it to its forms.
class Application {
 public:
  // `services` may be null where no form needs them (the log control's SaveLogAs does).
  Application(platform::EventLoop& loop, FormBackend& backend, Services* services);
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;
  ~Application();

  platform::EventLoop& Loop() const { return loop_; }
  FormBackend& Backend() const { return backend_; }
  // Raises error 5 when the application was made without services.
  Services& UiServices() const;

  // Every form that exists, in the order of creation.
  const std::vector<Form*>& Forms() const { return forms_; }
  // The forms that are loaded, in the order they were loaded.
  const std::vector<Form*>& LoadedForms() const { return loadedForms_; }
  // The main form: unloading it unloads every other form first.
  Form* MainForm() const { return mainForm_; }
  void SetMainForm(Form* form) { mainForm_ = form; }
  // The form that was activated last and is still shown, or nullptr.
  Form* ActiveForm() const { return activeForm_; }

 private:
  friend class Form;

  void AddForm(Form& form);
  void RemoveForm(Form& form);
  void FormLoaded(Form& form);
  void FormUnloaded(Form& form);
  void UnloadAllBut(Form& keep);
  void SetActiveForm(Form* form) { activeForm_ = form; }

  platform::EventLoop& loop_;
  FormBackend& backend_;
  Services* services_;
  std::vector<Form*> forms_;
  std::vector<Form*> loadedForms_;
  Form* mainForm_ = nullptr;
  Form* activeForm_ = nullptr;
};

}  // namespace ui
