#pragma once

#include "platform/Error.h"

#include <string>

namespace ui {

// Ends a headless run where the script cannot go on. It is deliberately no std::exception (and no
// platform::RaisedError): the program's error handling catches those to carry on after a failure of its
// work, and a stop must reach the test or the tool through every catch of the system, at the point where
// the run stopped.
class ScriptStop {
 public:
  explicit ScriptStop(std::string what) : what_(std::move(what)) {}
  virtual ~ScriptStop() = default;
  const char* what() const noexcept { return what_.c_str(); }

 private:
  std::string what_;
};

// The program showed a box or dialog that the script did not answer (or answered differently).
class UnscriptedDialog : public ScriptStop {
 public:
  using ScriptStop::ScriptStop;
};

// A message box came when no answer was left for it.
class UnansweredBox : public UnscriptedDialog {
 public:
  UnansweredBox(const std::string& what, std::string prompt)
      : UnscriptedDialog(what), prompt_(std::move(prompt)) {}
  const std::string& Prompt() const { return prompt_; }

 private:
  std::string prompt_;
};

// A user action of a script that a user could not do either: "cannot ACTION: REASON".
class ActionRefused : public ScriptStop {
 public:
  ActionRefused(const std::string& action, const std::string& reason)
      : ScriptStop("cannot " + action + ": " + reason) {}
};

}  // namespace ui
