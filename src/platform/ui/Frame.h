#pragma once

#include <string>

#include "platform/ui/StatefulControl.h"

namespace ui {

struct FrameState {
  std::string caption;
};

// A frame that holds other controls (Control::SetContainer) under its caption.
class Frame : public StatefulControl<FrameState> {
 public:
  Frame(Form& form, std::string name, int index = -1);

  std::string_view Kind() const override { return "Frame"; }

  const std::string& Caption() const;
  void SetCaption(std::string caption);

  void Describe(SnapshotFields& out) const override;
};

}  // namespace ui
