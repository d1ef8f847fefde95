#include "platform/ui/Frame.h"

#include "platform/ui/Snapshot.h"

namespace ui {

Frame::Frame(Form& form, std::string name, int index) : StatefulControl(form, std::move(name), index) {}

const std::string& Frame::Caption() const {
  return S().caption;
}

void Frame::SetCaption(std::string caption) {
  Assign(&FrameState::caption, std::move(caption), Property::Caption);
}

void Frame::Describe(SnapshotFields& out) const {
  out.Text("caption", Raw().caption);
}

}  // namespace ui
