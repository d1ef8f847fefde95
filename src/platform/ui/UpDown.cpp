#include "platform/ui/UpDown.h"

#include "platform/ui/Snapshot.h"

namespace ui {

UpDown::UpDown(Form& form, std::string name, int index) : StatefulControl(form, std::move(name), index) {}

int UpDown::Min() const {
  return S().min;
}
int UpDown::Max() const {
  return S().max;
}
void UpDown::SetMin(int min) {
  Assign(&UpDownState::min, min, Property::Range);
}
void UpDown::SetMax(int max) {
  Assign(&UpDownState::max, max, Property::Range);
}

void UpDown::RaiseMouse(const std::function<void(int, int, float, float)>& event, int button, int shift,
                        float x, float y) {
  if (event) event(button, shift, x, y);
}

void UpDown::UserMouseDown(int button, int shift, float x, float y) {
  if (!AcceptsInput()) return;
  RaiseMouse(OnMouseDown, button, shift, x, y);
  if (button != vbLeftButton) return;
  if (y < Height() / 2) {
    if (OnUpClick) OnUpClick();
  } else if (OnDownClick) {
    OnDownClick();
  }
}

void UpDown::UserMouseMove(int button, int shift, float x, float y) {
  if (AcceptsInput()) RaiseMouse(OnMouseMove, button, shift, x, y);
}

void UpDown::UserMouseUp(int button, int shift, float x, float y) {
  if (AcceptsInput()) RaiseMouse(OnMouseUp, button, shift, x, y);
}

void UpDown::Describe(SnapshotFields& out) const {
  out.Number("min", static_cast<long>(Raw().min));
  out.Number("max", static_cast<long>(Raw().max));
}

}  // namespace ui
