#pragma once

#include <functional>
#include <string>

#include "platform/ui/StatefulControl.h"

namespace ui {

struct LabelState {
  std::string caption;
};

class Label : public StatefulControl<LabelState> {
 public:
  Label(Form& form, std::string name, int index = -1);

  std::string_view Kind() const override { return "Label"; }

  const std::string& Caption() const;
  // Raises Change when the caption differs.
  void SetCaption(std::string caption);

  std::function<void()> OnChange;

  void Describe(SnapshotFields& out) const override;
};

}  // namespace ui
