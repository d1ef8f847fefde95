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

void Label::Describe(SnapshotFields& out) const {
  out.Text("caption", Raw().caption);
}

}  // namespace ui
