#pragma once

#include <string>

namespace ui {

class Application;
class Control;
class Form;

// Finds what a user's action names, refusing (ActionRefused for `action`) what a user could not reach.
class UserActionTarget {
 public:
  explicit UserActionTarget(Application& app) : app_(app) {}

  // A loaded and shown form, by its name.
  Form& ShownForm(const std::string& action, const std::string& formName) const;
  // "control(index)" of the main form or "FORM.control(index)" of another shown form, visible and
  // enabled with every container it stands in, on tab pages that are shown.
  Control& Find(const std::string& action, const std::string& name) const;
  // Find, then the pages of tab controls that hold it are selected, and the control gets the focus when
  // it can hold it, as a user's click gives it.
  Control& Reach(const std::string& action, const std::string& name) const;

 private:
  Control& Named(const std::string& action, const std::string& name) const;

  Application& app_;
};

}  // namespace ui
