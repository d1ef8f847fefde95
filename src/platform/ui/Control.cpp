#include "platform/ui/Control.h"

#include "platform/runtime/RuntimeErrors.h"
#include "platform/ui/Form.h"
#include "platform/ui/Frame.h"
#include "platform/ui/TabControl.h"
#include "platform/ui/UiError.h"

namespace ui {

Control::Control(Form& form, std::string name, int index)
    : form_(&form), name_(std::move(name)), index_(index) {
  form_->AddControl(*this);
}

Control::~Control() {
  form_->RemoveControl(*this);
}

std::string Control::DisplayName() const {
  return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

template <class V>
bool Control::Assign(V Common::*field, V value, Property property) {
  EnsureFormLoaded();
  if (common_.*field == value) return false;
  common_.*field = std::move(value);
  Notify(property);
  return true;
}

bool Control::Enabled() const {
  EnsureFormLoaded();
  return common_.enabled;
}
void Control::SetEnabled(bool enabled) {
  if (Assign(&Common::enabled, enabled, Property::Enabled)) EnabledChanged();
}

bool Control::Visible() const {
  EnsureFormLoaded();
  return common_.visible;
}
void Control::SetVisible(bool visible) {
  Assign(&Common::visible, visible, Property::Visible);
}

Color Control::ForeColor() const {
  EnsureFormLoaded();
  return common_.foreColor;
}
void Control::SetForeColor(Color color) {
  Assign(&Common::foreColor, color, Property::ForeColor);
}

const std::string& Control::ToolTipText() const {
  EnsureFormLoaded();
  return common_.toolTipText;
}
void Control::SetToolTipText(std::string text) {
  Assign(&Common::toolTipText, std::move(text), Property::ToolTipText);
}

float Control::Left() const {
  EnsureFormLoaded();
  return common_.left;
}
float Control::Top() const {
  EnsureFormLoaded();
  return common_.top;
}
float Control::Width() const {
  EnsureFormLoaded();
  return common_.width;
}
float Control::Height() const {
  EnsureFormLoaded();
  return common_.height;
}

void Control::Move(float left, float top, float width, float height) {
  EnsureFormLoaded();
  if (width < 0 || height < 0)
    RaiseUiError(platform::kErrInvalidPropertyValue, "Invalid property value: negative size");
  if (common_.left == left && common_.top == top && common_.width == width && common_.height == height)
    return;
  common_.left = left;
  common_.top = top;
  common_.width = width;
  common_.height = height;
  Notify(Property::Geometry);
}
void Control::SetLeft(float left) {
  Move(left, Top(), Width(), Height());
}
void Control::SetTop(float top) {
  Move(Left(), top, Width(), Height());
}
void Control::SetWidth(float width) {
  Move(Left(), Top(), width, Height());
}
void Control::SetHeight(float height) {
  Move(Left(), Top(), Width(), height);
}

void Control::SetContainer(Frame& frame) {
  container_ = {&frame, -1};
}

void Control::SetContainer(TabControl& tabs, int tab) {
  if (tab < 0 || tab >= tabs.Tabs()) {
    RaiseUiError(platform::kErrInvalidPropertyValue,
                 "Invalid property value: " + tabs.Name() + " has no tab " + std::to_string(tab));
  }
  container_ = {&tabs, tab};
}

Container Control::TabPage() const {
  for (const Control* at = this; at; at = at->container_.control) {
    if (at->container_.tab >= 0) return at->container_;
  }
  return {};
}

bool Control::CanTakeFocus() const {
  return Focusable() && form_->IsLoaded() && form_->RawState().visible && common_.enabled && common_.visible;
}

void Control::SetFocus() {
  EnsureFormLoaded();
  if (!CanTakeFocus()) {
    runtime::RaiseInvalidCall("ui", "" + DisplayName() + " cannot take the focus");
  }
  form_->MoveFocus(*this);
}

void Control::Notify(Property property, int item) {
  if (peer_) peer_->OnPropertyChanged(*this, property, item);
}

void Control::EnsureFormLoaded() const {
  form_->EnsureLoaded();
}

bool Control::AcceptsInput() const {
  return form_->IsLoaded() && form_->Enabled() && common_.enabled;
}

void Control::FocusByUser() {
  if (CanTakeFocus()) form_->MoveFocus(*this);
}

void Control::FocusNext() {
  form_->FocusNextAfter(*this);
}

void Control::CaptureDesign() {
  design_ = common_;
}

void Control::RestoreDesign() {
  common_ = design_;
}

}  // namespace ui
