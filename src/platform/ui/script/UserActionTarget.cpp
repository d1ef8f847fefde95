#include "platform/ui/script/UserActionTarget.h"

#include <vector>

#include "platform/ui/Application.h"
#include "platform/ui/Control.h"
#include "platform/ui/Form.h"
#include "platform/ui/ScriptStops.h"
#include "platform/ui/TabControl.h"

namespace ui {

namespace {

std::string PageName(const TabControl& tabs, int page) {
  return "page " + std::to_string(page) + " (\"" + tabs.TabCaption(page) + "\") of " + tabs.DisplayName();
}

}  // namespace

Form& UserActionTarget::ShownForm(const std::string& action, const std::string& formName) const {
  for (Form* form : app_.LoadedForms()) {
    if (form->Name() != formName) continue;
    if (!form->RawState().visible) throw ActionRefused(action, formName + " is not shown");
    return *form;
  }
  for (const Form* form : app_.Forms()) {
    if (form->Name() == formName) throw ActionRefused(action, formName + " is not loaded");
  }
  throw ActionRefused(action, "there is no form " + formName);
}

Control& UserActionTarget::Named(const std::string& action, const std::string& name) const {
  const std::size_t dot = name.find('.');
  Form* form = app_.MainForm();
  if (dot != std::string::npos) {
    form = &ShownForm(action, name.substr(0, dot));
  } else if (!form || !form->IsLoaded()) {
    // A program without its main window (the registration dialog's run): a bare name is a control of the
    // one window it shows.
    std::vector<Form*> shown;
    for (Form* loaded : app_.LoadedForms()) {
      if (loaded->RawState().visible) shown.push_back(loaded);
    }
    if (shown.size() != 1) throw ActionRefused(action, "the main window is not loaded");
    form = shown.front();
  } else if (!form->RawState().visible) {
    throw ActionRefused(action, form->Name() + " is not shown");
  }
  const std::string controlName = dot == std::string::npos ? name : name.substr(dot + 1);
  for (Control* control : form->Controls()) {
    if (control->DisplayName() == controlName) return *control;
  }
  throw ActionRefused(action, form->Name() + " has no control " + controlName);
}

Control& UserActionTarget::Find(const std::string& action, const std::string& name) const {
  Control& control = Named(action, name);
  // A window that takes no input while its program works (a device loading) is waited for, as a user does.
  if (!control.Parent().Enabled())
    throw ActionRefused(action, control.Parent().Name() + " takes no input now");
  for (const Control* at = &control; at; at = at->GetContainer().control) {
    const std::string what = at == &control ? name : name + " stands in " + at->DisplayName() + ", which";
    if (!at->RawVisible()) throw ActionRefused(action, what + " is not visible");
    if (!at->RawEnabled()) throw ActionRefused(action, what + " is disabled");
    const Container& container = at->GetContainer();
    if (container.tab < 0) continue;
    const auto& tabs = static_cast<const TabControl&>(*container.control);
    if (!tabs.TabShown(container.tab)) {
      throw ActionRefused(action,
                          name + " stands on " + PageName(tabs, container.tab) + ", which is not shown");
    }
  }
  return control;
}

Control& UserActionTarget::Reach(const std::string& action, const std::string& name) const {
  Control& control = Find(action, name);
  std::vector<Container> pages;  // innermost first
  for (const Control* at = &control; at; at = at->GetContainer().control) {
    if (at->GetContainer().tab >= 0) pages.push_back(at->GetContainer());
  }
  for (auto page = pages.rbegin(); page != pages.rend(); ++page) {
    auto& tabs = static_cast<TabControl&>(*page->control);
    if (tabs.Tab() != page->tab) tabs.UserSelectsTab(page->tab);
    if (tabs.Tab() != page->tab)
      throw ActionRefused(action, PageName(tabs, page->tab) + " cannot be selected");
  }
  Form& form = control.Parent();
  if (control.Focusable() && form.ActiveControl() != &control) form.UserMovesFocus(control);
  return control;
}

}  // namespace ui
