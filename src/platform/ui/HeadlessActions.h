#pragma once

// The user's actions of a script run on the headless back end (QVR_DO of the plug-in program). For now it
// knows one action, `click NAME`: a click on the command button NAME (or FORM.NAME) of a loaded form, as the
// user's mouse gives it.

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace ui {

class FormRegistry;

// An action that the user could not have done either (an unknown verb, a control that is missing, hidden
// or disabled). Deliberately not a platform::RaisedError: the program's own error handling must not take
// it for a failure of its work.
class ActionRefused : public std::runtime_error {
 public:
  explicit ActionRefused(const std::string& what) : std::runtime_error(what) {}
};

// The action lines of `script`, one per line; blank lines are left out.
std::vector<std::string> ActionLines(const std::string& script);

// Runs `lines` in order on the loaded forms of `windows`; `ended` is asked before each action, and an action
// left when it answers true is refused (nothing is left to act on). Raises ActionRefused with "cannot ACTION:
// REASON".
void RunActions(const std::vector<std::string>& lines, FormRegistry& windows,
                const std::function<bool()>& ended);

}  // namespace ui
