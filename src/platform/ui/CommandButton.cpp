#include "platform/ui/CommandButton.h"

#include "platform/ui/Snapshot.h"

namespace ui {

CommandButton::CommandButton(Form& form, std::string name, int index)
    : StatefulControl(form, std::move(name), index) {}

const std::string& CommandButton::Caption() const {
  return S().caption;
}

void CommandButton::SetCaption(std::string caption) {
  Assign(&CommandButtonState::caption, std::move(caption), Property::Caption);
}

void CommandButton::UserClicks() {
  if (!AcceptsInput() || !RawVisible()) return;
  FocusByUser();
  if (OnClick) OnClick();
}

void CommandButton::Describe(SnapshotFields& out) const {
  out.Text("caption", Raw().caption);
}

}  // namespace ui
