#include "platform/ui/Label.h"

#include "platform/ui/Snapshot.h"

namespace ui {

Label::Label(Form& form, std::string name, int index) : StatefulControl(form, std::move(name), index) {}

const std::string& Label::Caption() const {
  return S().caption;
}

void Label::SetCaption(std::string caption) {
  if (Assign(&LabelState::caption, std::move(caption), Property::Caption) && OnChange) OnChange();
}

int Label::MousePointer() const {
  return S().mousePointer;
}

void Label::SetMousePointer(int pointer) {
  Assign(&LabelState::mousePointer, pointer, Property::Style);
}

const std::string& Label::MouseIcon() const {
  return S().mouseIcon;
}

void Label::SetMouseIcon(std::string cursorFile) {
  Assign(&LabelState::mouseIcon, std::move(cursorFile), Property::Style);
}

void Label::UserClicks() {
  if (!AcceptsInput() || !RawVisible()) return;
  if (OnClick) OnClick();
}

void Label::UserMovesMouse(int button, int shift, float x, float y) {
  if (!AcceptsInput() || !RawVisible()) return;
  if (OnMouseMove) OnMouseMove(button, shift, x, y);
}

void Label::Describe(SnapshotFields& out) const {
  out.Text("caption", Raw().caption);
  // Only a custom pointer is worth a field: every other label would carry the same default.
  if (Raw().mousePointer == vbCustom) out.Text("mouseIcon", Raw().mouseIcon);
}

}  // namespace ui
