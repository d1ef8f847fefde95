#pragma once

namespace ui {

class Form;

// What a back end does for the forms: build a window when a form loads (attaching peers to the form and
// its controls), drop it when the form unloads, and run the nested loop of a modal form.
class FormBackend {
 public:
  virtual ~FormBackend() = default;

  // The form has loaded; Form_Load has not run yet. Build the window from the form's current state.
  virtual void FormLoaded(Form& form) = 0;
  // The form has unloaded (or is being destroyed while loaded, when its controls may already be gone):
  // detach the peers and release the window without calling into the model.
  virtual void FormUnloaded(Form& form) = 0;
  // The form is shown modal: return once it is no longer visible or no longer loaded.
  virtual void RunModal(Form& form) = 0;
};

}  // namespace ui
