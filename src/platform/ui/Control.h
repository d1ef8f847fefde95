#pragma once

// The toolkit-free control model. A form (ui::Form) owns its controls as members; each control holds its
// properties, raises its events through std::function members that the form sets, and tells one attached
// peer (the back end's widget) about every change.
//
// Event semantics, the same for every control:
//   - Setting a property from code (SetText, SetListIndex, SetValue, ...) runs the matching event handler
//     to completion before the setter returns. Setting what the control already holds raises nothing.
//     Handlers may re-enter: a handler that writes another control runs that control's handler first.
//   - Errors thrown by a handler travel out of the setter (or the User* entry point) that raised it.
//   - Reading or writing any property of a control whose form has been unloaded loads the form again
//     (Form_Load runs), as the single-instance windows of the system expect; see ui::Form.
//
// For a back end:
//   - AttachPeer(peer): the peer's OnPropertyChanged(control, property, item) runs after every change of
//     the model, whether code or user input made it. `item` names the tab, panel, list entry, node or
//     log line concerned, or is -1 for the control as a whole. Read the new state from the control.
//   - User input enters through the public User* functions of each control kind (TextBox::UserTypes,
//     ComboBox::UserSelects, CommandButton::UserClicks, ...) and through Form::UserMovesFocus. They apply
//     the control's rules (key handlers first, disabled controls ignore input, ...) and raise the events.
//     The peer hears of the resulting changes like any other (a dropped or refused key still reports
//     Text, so that a widget that went ahead can be put right); a peer that updates its widget from the
//     model must not feed that update back as user input.

#include <functional>
#include <string>
#include <string_view>

#include "platform/ui/Color.h"

namespace ui {

class Form;
class Frame;
class SnapshotFields;
class TabControl;
class Control;

// What changed, for a peer.
enum class Property {
  Text,     // TextBox, ComboBox, RichTextBox text
  Caption,  // Label, CommandButton, CheckBox, Frame, Menu caption
  ForeColor,
  Enabled,
  Visible,
  Geometry,  // Left, Top, Width, Height
  ToolTipText,
  MaxLength,
  Selection,   // SelStart, SelLength (TextBox, RichTextBox); the selected node (TreeView)
  Emphasis,    // bold or underline of some characters (RichTextBox)
  Value,       // CheckBox, ProgressBar value; Timer enabled or interval; Menu checked
  Range,       // Min, Max (ProgressBar, UpDown)
  Style,       // ComboBox style, TreeView check boxes, Label mouse pointer and icon
  ListItems,   // ComboBox list: item = the entry added, -1 when the list was cleared
  ListIndex,   // ComboBox selection
  TabCaption,  // item = tab
  TabShown,    // item = tab
  CurrentTab,
  PanelText,     // item = panel (1-based); text or tool tip
  NodeAdded,     // item = node index (1-based)
  NodeChanged,   // item = node index: text, tag, checked, expanded or fore colour
  NodesCleared,  // the whole tree was emptied
  LogLineAdded,  // item = line index (0-based)
  LogCleared,
};

class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  virtual void OnPropertyChanged(Control& control, Property property, int item) = 0;
};

// Where a control sits: on the form (control == nullptr), in a frame, on a page of a tab control (tab is
// the page, from 0), or in a parent menu.
struct Container {
  Control* control = nullptr;
  int tab = -1;
};

class Control {
 public:
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  // "TextBox", "ComboBox", ...: the kind's name as the snapshot writes it.
  virtual std::string_view Kind() const = 0;

  Form& Parent() const { return *form_; }
  const std::string& Name() const { return name_; }
  // The index in its control array, -1 for a control outside an array.
  int Index() const { return index_; }
  // "txtNci(3)" or "cmdApply".
  std::string DisplayName() const;

  bool Enabled() const;
  void SetEnabled(bool enabled);
  bool Visible() const;
  void SetVisible(bool visible);
  Color ForeColor() const;
  void SetForeColor(Color color);
  const std::string& ToolTipText() const;
  void SetToolTipText(std::string text);

  // Position and size in twips.
  float Left() const;
  float Top() const;
  float Width() const;
  float Height() const;
  void Move(float left, float top, float width, float height);
  void SetLeft(float left);
  void SetTop(float top);
  void SetWidth(float width);
  void SetHeight(float height);

  // The container, set while the form is designed (in its constructor).
  const Container& GetContainer() const { return container_; }
  void SetContainer(Frame& frame);
  void SetContainer(TabControl& tabs, int tab);
  // The nearest tab page among the containers (itself included), or {nullptr, -1}.
  Container TabPage() const;

  // Whether this kind of control can hold the focus at all, and whether it can take it now (enabled and
  // visible on a visible form).
  virtual bool Focusable() const { return false; }
  bool CanTakeFocus() const;
  // Moves the focus here from code: LostFocus of the control that had it, then GotFocus of this one.
  // Raises error 5 (invalid procedure call) when the control cannot take the focus now.
  void SetFocus();

  std::function<void()> OnGotFocus;
  std::function<void()> OnLostFocus;

  void AttachPeer(ControlPeer* peer) { peer_ = peer; }
  ControlPeer* Peer() const { return peer_; }

  // Writes the kind's own fields of the text snapshot (docs/ui-snapshot.md); never loads the form.
  virtual void Describe(SnapshotFields& out) const = 0;
  // The common state as it stands, without loading the form (for snapshots).
  bool RawEnabled() const { return common_.enabled; }
  bool RawVisible() const { return common_.visible; }
  Color RawForeColor() const { return common_.foreColor; }
  const std::string& RawToolTipText() const { return common_.toolTipText; }

 protected:
  Control(Form& form, std::string name, int index);

  // Tells the peer about a change.
  void Notify(Property property, int item = -1);
  // Loads the form again when it has been unloaded (see the header comment).
  void EnsureFormLoaded() const;
  // True when the form is loaded and the control enabled: user input counts only then.
  bool AcceptsInput() const;
  // Puts the control into `container` (a parent menu).
  void PlaceIn(Control& container) { container_ = {&container, -1}; }
  // Mouse-driven input moves the focus to a control that can take it, as a click does.
  void FocusByUser();
  // The Tab key: the focus moves on to the next control that can take it, in creation order.
  void FocusNext();

  // The design state is the state when the form first loads; every later load starts from it again.
  virtual void CaptureDesign();
  virtual void RestoreDesign();
  // Hooks of the kinds: after the form was loaded or unloaded, and after Enabled changed.
  virtual void FormLoadedChanged(bool /*loaded*/) {}
  virtual void EnabledChanged() {}

 private:
  friend class Form;

  struct Common {
    bool enabled = true;
    bool visible = true;
    Color foreColor = vbButtonText;
    std::string toolTipText;
    float left = 0, top = 0, width = 0, height = 0;
  };

  template <class V>
  bool Assign(V Common::*field, V value, Property property);

  Form* form_;
  std::string name_;
  int index_;
  Container container_;
  Common common_;
  Common design_;
  ControlPeer* peer_ = nullptr;
};

}  // namespace ui
