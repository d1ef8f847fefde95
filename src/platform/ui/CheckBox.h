#pragma once

#include <functional>
#include <string>

#include "platform/ui/StatefulControl.h"

namespace ui {

inline constexpr int vbUnchecked = 0;
inline constexpr int vbChecked = 1;
inline constexpr int vbGrayed = 2;

struct CheckBoxState {
  std::string caption;
  int value = vbUnchecked;
};

class CheckBox : public StatefulControl<CheckBoxState> {
 public:
  CheckBox(Form& form, std::string name, int index = -1);

  std::string_view Kind() const override { return "CheckBox"; }
  bool Focusable() const override { return true; }

  const std::string& Caption() const;
  void SetCaption(std::string caption);
  // 0 unchecked, 1 checked, 2 grayed; anything else raises error 380. A change raises Click.
  int Value() const;
  void SetValue(int value);

  std::function<void()> OnClick;

  // User input, for a back end: a click. Ignored while the form is unloaded or the box disabled or
  // hidden; otherwise the focus moves here, a checked box becomes unchecked and any other checked, and
  // Click follows.
  void UserClicks();

  void Describe(SnapshotFields& out) const override;
};

}  // namespace ui
