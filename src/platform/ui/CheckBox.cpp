#include "platform/ui/CheckBox.h"

#include "platform/ui/Snapshot.h"
#include "platform/ui/UiError.h"

namespace ui {

CheckBox::CheckBox(Form& form, std::string name, int index) : StatefulControl(form, std::move(name), index) {}

const std::string& CheckBox::Caption() const {
  return S().caption;
}

void CheckBox::SetCaption(std::string caption) {
  Assign(&CheckBoxState::caption, std::move(caption), Property::Caption);
}

int CheckBox::Value() const {
  return S().value;
}

void CheckBox::SetValue(int value) {
  if (value < vbUnchecked || value > vbGrayed) {
    RaiseUiError(platform::kErrInvalidPropertyValue,
                 "Invalid property value: check-box value " + std::to_string(value));
  }
  if (Assign(&CheckBoxState::value, value, Property::Value) && OnClick) OnClick();
}

void CheckBox::UserClicks() {
  if (!AcceptsInput() || !RawVisible()) return;
  FocusByUser();
  SetValue(Raw().value == vbChecked ? vbUnchecked : vbChecked);
}

void CheckBox::Describe(SnapshotFields& out) const {
  out.Text("caption", Raw().caption);
  out.Number("value", static_cast<long>(Raw().value));
}

}  // namespace ui
