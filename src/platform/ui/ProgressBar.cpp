#include "platform/ui/ProgressBar.h"

#include "platform/ui/Snapshot.h"
#include "platform/ui/UiError.h"

namespace ui {

namespace {

void Refuse(const std::string& what) {
  RaiseUiError(platform::kErrInvalidPropertyValue, "Invalid property value: " + what);
}

}  // namespace

ProgressBar::ProgressBar(Form& form, std::string name, int index)
    : StatefulControl(form, std::move(name), index) {}

float ProgressBar::Min() const {
  return S().min;
}
float ProgressBar::Max() const {
  return S().max;
}
float ProgressBar::Value() const {
  return S().value;
}

void ProgressBar::SetMin(float min) {
  if (min >= S().max) Refuse("Min " + FormatNumber(min) + " of " + DisplayName());
  Assign(&ProgressBarState::min, min, Property::Range);
  if (Raw().value < min) Assign(&ProgressBarState::value, min, Property::Value);
}

void ProgressBar::SetMax(float max) {
  if (max <= S().min) Refuse("Max " + FormatNumber(max) + " of " + DisplayName());
  Assign(&ProgressBarState::max, max, Property::Range);
  if (Raw().value > max) Assign(&ProgressBarState::value, max, Property::Value);
}

void ProgressBar::SetValue(float value) {
  const ProgressBarState& state = S();
  if (value < state.min || value > state.max) Refuse("Value " + FormatNumber(value) + " of " + DisplayName());
  Assign(&ProgressBarState::value, value, Property::Value);
}

void ProgressBar::Describe(SnapshotFields& out) const {
  out.Number("min", Raw().min);
  out.Number("max", Raw().max);
  out.Number("value", Raw().value);
}

}  // namespace ui
