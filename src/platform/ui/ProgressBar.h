#pragma once

#include "platform/ui/StatefulControl.h"

namespace ui {

struct ProgressBarState {
  float min = 0;
  float max = 100;
  float value = 0;
};

class ProgressBar : public StatefulControl<ProgressBarState> {
 public:
  ProgressBar(Form& form, std::string name, int index = -1);

  std::string_view Kind() const override { return "ProgressBar"; }

  // Min must stay below Max (error 380 otherwise, nothing changed); a new range pulls Value into it. A
  // Value outside the range raises error 380.
  float Min() const;
  float Max() const;
  float Value() const;
  void SetMin(float min);
  void SetMax(float max);
  void SetValue(float value);

  void Describe(SnapshotFields& out) const override;
};

}  // namespace ui
