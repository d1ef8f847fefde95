#pragma once

#include <functional>
#include <string>

#include "platform/ui/StatefulControl.h"

namespace ui {

struct CommandButtonState {
  std::string caption;
};

class CommandButton : public StatefulControl<CommandButtonState> {
 public:
  CommandButton(Form& form, std::string name, int index = -1);

  std::string_view Kind() const override { return "CommandButton"; }
  bool Focusable() const override { return true; }

  // The caption; "&" marks the access key.
  const std::string& Caption() const;
  void SetCaption(std::string caption);

  std::function<void()> OnClick;

  // User input, for a back end: a click (or Space, or the access key). Ignored while the form is
  // unloaded or the button disabled or hidden; otherwise the focus moves here, then Click.
  void UserClicks();

  void Describe(SnapshotFields& out) const override;
};

}  // namespace ui
