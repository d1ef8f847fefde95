#include "platform/ui/HeadlessActions.h"

#include <sstream>

#include "platform/ui/CommandButton.h"
#include "platform/ui/Form.h"
#include "platform/ui/FormRegistry.h"

namespace ui {

namespace {

// The control NAME, or FORM.NAME, of a loaded form; nothing when there is none.
Control* FindControl(const std::vector<Form*>& forms, const std::string& name) {
  const std::size_t dot = name.find('.');
  const std::string formName = dot == std::string::npos ? std::string() : name.substr(0, dot);
  const std::string controlName = dot == std::string::npos ? name : name.substr(dot + 1);
  for (Form* form : forms) {
    if (!form->IsLoaded() || (!formName.empty() && form->Name() != formName)) continue;
    for (Control* control : form->Controls()) {
      if (control->DisplayName() == controlName) return control;
    }
  }
  return nullptr;
}

void Click(const std::vector<Form*>& forms, const std::string& name) {
  const auto refuse = [&](const std::string& reason) {
    throw ActionRefused("cannot click " + name + ": " + reason);
  };
  Control* control = FindControl(forms, name);
  if (!control) refuse("no loaded window has it");
  auto* button = dynamic_cast<CommandButton*>(control);
  if (!button) refuse("it is no command button");
  if (!button->Visible()) refuse("it is not visible");
  if (!button->Enabled()) refuse("it is disabled");
  button->UserClicks();
}

}  // namespace

std::vector<std::string> ActionLines(const std::string& script) {
  std::vector<std::string> lines;
  std::istringstream in(script);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") != std::string::npos) lines.push_back(line);
  }
  return lines;
}

void RunActions(const std::vector<std::string>& lines, FormRegistry& windows,
                const std::function<bool()>& ended) {
  for (const std::string& line : lines) {
    if (ended()) throw ActionRefused("cannot " + line + ": the program has ended");
    std::istringstream words(line);
    std::string verb, name, rest;
    words >> verb >> name;
    std::getline(words, rest);
    if (verb != "click" || name.empty() || rest.find_first_not_of(" \t") != std::string::npos)
      throw ActionRefused("cannot " + line + ": the only action known here is \"click NAME\"");
    Click(windows.Forms(), name);
  }
}

}  // namespace ui
