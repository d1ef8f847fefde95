#include "platform/ui/Form.h"

#include <algorithm>

#include "platform/ui/Application.h"
#include "platform/ui/Control.h"
#include "platform/ui/FormBackend.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Services.h"
#include "platform/ui/UiError.h"

namespace ui {

Form::Form(Application& app, std::string name) : app_(app), name_(std::move(name)) {
  app_.AddForm(*this);
}

Form::~Form() {
  if (loaded_) app_.Backend().FormUnloaded(*this);
  if (app_.ActiveForm() == this) app_.SetActiveForm(nullptr);
  if (app_.MainForm() == this) app_.SetMainForm(nullptr);
  app_.RemoveForm(*this);
}

void Form::AddControl(Control& control) {
  controls_.push_back(&control);
}

void Form::RemoveControl(Control& control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), &control), controls_.end());
  if (activeControl_ == &control) activeControl_ = nullptr;
}

void Form::EnsureLoaded() const {
  // Reading a property of an unloaded form loads it: the one place where a reader changes the form.
  if (!loaded_ && designCaptured_) const_cast<Form*>(this)->Load();
}

void Form::Load() {
  if (loaded_) return;
  if (!designCaptured_) {
    design_ = state_;
    for (Control* control : controls_) control->CaptureDesign();
    designCaptured_ = true;
  } else {
    state_ = design_;
    for (Control* control : controls_) control->RestoreDesign();
  }
  loaded_ = true;
  activeControl_ = nullptr;
  for (Control* control : controls_) control->FormLoadedChanged(true);
  app_.FormLoaded(*this);
  app_.Backend().FormLoaded(*this);
  Form_Load();
}

void Form::Unload() {
  if (!loaded_ || unloading_) return;
  unloading_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{unloading_};
  Form_Unload();
  if (app_.MainForm() == this) app_.UnloadAllBut(*this);
  SetShown(false);
  owner_ = nullptr;
  loaded_ = false;
  activeControl_ = nullptr;
  for (Control* control : controls_) control->FormLoadedChanged(false);
  app_.FormUnloaded(*this);
  app_.Backend().FormUnloaded(*this);
  peer_ = nullptr;
  for (Control* control : controls_) control->AttachPeer(nullptr);
}

void Form::Show(Modality modality, Form* owner) {
  Load();
  if (!loaded_) return;  // Form_Load unloaded it again
  if (modality == Modality::Modal) {
    if (state_.visible) {
      RaiseUiError(platform::kErrAlreadyShown, "Form already displayed; can't show modally: " + name_);
    }
    owner_ = owner;
    modal_ = true;
    SetShown(true);
    Activate();
    app_.Backend().RunModal(*this);
    modal_ = false;
    return;
  }
  if (owner) owner_ = owner;
  SetShown(true);
  Activate();
}

void Form::Hide() {
  EnsureLoaded();
  SetShown(false);
}

void Form::SetShown(bool shown) {
  if (!shown) modal_ = false;
  if (!shown && app_.ActiveForm() == this) app_.SetActiveForm(nullptr);
  if (state_.visible == shown) return;
  state_.visible = shown;
  Notify(FormProperty::Visible);
}

void Form::Activate() {
  if (!state_.visible || app_.ActiveForm() == this) return;
  app_.SetActiveForm(this);
  Form_Activate();
}

void Form::Refresh() {
  if (!loaded_ || !state_.visible) return;
  ++state_.repaints;
  Notify(FormProperty::Repaint);
}

bool Form::Visible() const {
  EnsureLoaded();
  return state_.visible;
}

void Form::SetVisible(bool visible) {
  if (visible) {
    Show();
  } else {
    Hide();
  }
}

const std::string& Form::Caption() const {
  EnsureLoaded();
  return state_.caption;
}

void Form::SetCaption(std::string caption) {
  EnsureLoaded();
  if (state_.caption == caption) return;
  state_.caption = std::move(caption);
  Notify(FormProperty::Caption);
}

float Form::Left() const {
  EnsureLoaded();
  return state_.left;
}
float Form::Top() const {
  EnsureLoaded();
  return state_.top;
}
float Form::Width() const {
  EnsureLoaded();
  return state_.width;
}
float Form::Height() const {
  EnsureLoaded();
  return state_.height;
}

void Form::SetLeft(float left) {
  Move(left, Top(), Width(), Height());
}
void Form::SetTop(float top) {
  Move(Left(), top, Width(), Height());
}
void Form::SetWidth(float width) {
  Move(Left(), Top(), width, Height());
}
void Form::SetHeight(float height) {
  Move(Left(), Top(), Width(), height);
}
void Form::Move(float left, float top) {
  Move(left, top, Width(), Height());
}
void Form::Move(float left, float top, float width, float height) {
  SetGeometry(left, top, width, height, false);
}

void Form::SetGeometry(float left, float top, float width, float height, bool byUser) {
  EnsureLoaded();
  if (!byUser && state_.windowState != vbNormal) {
    RaiseUiError(platform::kErrMoveWhileMinOrMax,
                 "A form can't be moved or sized while minimized or maximized: " + name_);
  }
  if (width < 0 || height < 0)
    RaiseUiError(platform::kErrInvalidPropertyValue, "Invalid property value: negative size");
  if (app_.services_ && !byUser) {
    // As a window manager does, a window is never made larger than the screen: a size that a program or a
    // director sets beyond it (up to 2^31 pixels) is taken as the screen's.
    const Screen& screen = app_.services_->Screen();
    width = std::min(width, static_cast<float>(screen.Width()));
    height = std::min(height, static_cast<float>(screen.Height()));
  }
  const bool resized = state_.width != width || state_.height != height;
  if (!resized && state_.left == left && state_.top == top) return;
  state_.left = left;
  state_.top = top;
  state_.width = width;
  state_.height = height;
  // The window shows what the window system reported already; asking for it again would fight the window
  // manager, which may be moving the window on meanwhile.
  if (!byUser) Notify(FormProperty::Geometry);
  if (resized && loaded_) Form_Resize();
}

int Form::WindowState() const {
  EnsureLoaded();
  return state_.windowState;
}

void Form::SetWindowState(int state) {
  if (state < vbNormal || state > vbMaximized) {
    RaiseUiError(platform::kErrInvalidPropertyValue,
                 "Invalid property value: window state " + std::to_string(state));
  }
  EnsureLoaded();
  ApplyWindowState(state, false);
}

void Form::ApplyWindowState(int state, bool byUser) {
  if (state_.windowState == state) return;
  state_.windowState = state;
  // As for the geometry: a state the window system reported is never asked of it again (a maximised
  // window that is minimised would lose its maximised state).
  if (!byUser) Notify(FormProperty::WindowState);
  if (loaded_) Form_Resize();
}

int Form::BorderStyle() const {
  EnsureLoaded();
  return state_.borderStyle;
}

void Form::SetBorderStyle(int style) {
  if (style < vbBSNone || style > vbSizableToolWindow) {
    RaiseUiError(platform::kErrInvalidPropertyValue,
                 "Invalid property value: border style " + std::to_string(style));
  }
  EnsureLoaded();
  if (state_.borderStyle == style) return;
  state_.borderStyle = style;
  Notify(FormProperty::BorderStyle);
}

int Form::MousePointer() const {
  EnsureLoaded();
  return state_.mousePointer;
}

void Form::SetMousePointer(int pointer) {
  if (pointer < 0 || (pointer > 15 && pointer != 99)) {
    RaiseUiError(platform::kErrInvalidPropertyValue,
                 "Invalid property value: mouse pointer " + std::to_string(pointer));
  }
  EnsureLoaded();
  if (state_.mousePointer == pointer) return;
  state_.mousePointer = pointer;
  Notify(FormProperty::MousePointer);
}

void Form::MoveFocus(Control& control) {
  if (activeControl_ == &control) return;
  Control* losing = activeControl_;
  activeControl_ = nullptr;
  if (losing && losing->OnLostFocus) losing->OnLostFocus();
  // A LostFocus handler that moved the focus itself has the last word; so has one that disabled the target.
  if (activeControl_ || !control.CanTakeFocus()) return;
  activeControl_ = &control;
  if (control.OnGotFocus) control.OnGotFocus();
}

void Form::FocusNextAfter(Control& control) {
  auto at = std::find(controls_.begin(), controls_.end(), &control);
  if (at == controls_.end()) return;
  const std::size_t from = static_cast<std::size_t>(at - controls_.begin());
  for (std::size_t step = 1; step < controls_.size(); ++step) {
    Control* next = controls_[(from + step) % controls_.size()];
    if (next->CanTakeFocus()) {
      MoveFocus(*next);
      return;
    }
  }
}

void Form::UserMovesFocus(Control& control) {
  if (&control.Parent() != this || !control.CanTakeFocus()) return;
  MoveFocus(control);
}

bool Form::Enabled() const {
  EnsureLoaded();
  return state_.enabled;
}

void Form::SetEnabled(bool enabled) {
  EnsureLoaded();
  if (state_.enabled == enabled) return;
  state_.enabled = enabled;
  Notify(FormProperty::Enabled);
}

void Form::UserCloses() {
  if (!loaded_ || !state_.enabled) return;
  bool cancel = false;
  Form_QueryUnload(cancel);
  if (!cancel) Unload();
}

void Form::UserActivates() {
  if (loaded_) Activate();
}

void Form::UserPlaces(float left, float top, float width, float height) {
  if (loaded_) SetGeometry(left, top, width, height, true);
}

void Form::UserSetsWindowState(int state) {
  if (loaded_ && state >= vbNormal && state <= vbMaximized) ApplyWindowState(state, true);
}

void Form::Notify(FormProperty property) {
  if (peer_) peer_->OnFormChanged(*this, property);
}

}  // namespace ui
