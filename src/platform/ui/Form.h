#pragma once

// A window of the system: a class derived from ui::Form whose controls are members (built and given their
// design properties in the constructor) and whose handlers are member functions set on the controls'
// event members.
//
// Life cycle, as the system's windows expect it:
//   - A new form is "in design" until it loads for the first time: its constructor sets the controls up.
//   - Load() (or Show, or setting Visible) loads it: the controls start again from their design state
//     (from the second load on), the back end builds its window, then Form_Load runs.
//   - Unload() runs Form_Unload, unloads every other form when this is the application's main form, hides
//     the form, stops its timers and lets the back end drop its window. The C++ object stays, with its own
//     member fields, until its owner destroys it; reading or writing any property of it or of its
//     controls loads it again.
//   - Show(Modal) loads and shows the form and returns only when it is no longer shown (hidden or
//     unloaded by code that ran meanwhile); the back end runs the nested loop (FormBackend::RunModal).
//
// For a back end: AttachPeer(peer) for caption, geometry, window state, visibility, border style and
// mouse pointer changes; user input through UserMovesFocus, UserCloses, UserActivates, UserPlaces and
// UserSetsWindowState.

#include <string>
#include <vector>

namespace ui {

class Application;
class Control;
class Form;

// Repaint is no property: the form asks its window to be drawn anew (Refresh).
enum class FormProperty {
  Caption,
  Geometry,
  WindowState,
  Visible,
  BorderStyle,
  MousePointer,
  Enabled,
  Repaint
};

class FormPeer {
 public:
  virtual ~FormPeer() = default;
  virtual void OnFormChanged(Form& form, FormProperty property) = 0;
};

// Window states.
inline constexpr int vbNormal = 0;
inline constexpr int vbMinimized = 1;
inline constexpr int vbMaximized = 2;

// Border styles.
inline constexpr int vbBSNone = 0;
inline constexpr int vbFixedSingle = 1;
inline constexpr int vbSizable = 2;
inline constexpr int vbFixedDialog = 3;
inline constexpr int vbFixedToolWindow = 4;
inline constexpr int vbSizableToolWindow = 5;

enum class Modality { Modeless, Modal };

class Form {
 public:
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  Application& App() const { return app_; }
  const std::string& Name() const { return name_; }

  bool IsLoaded() const { return loaded_; }
  void Load();
  void Unload();
  // Shows the form (loading it first) and activates it. Modal: returns when the form is no longer shown;
  // raises error 400 when the form is already shown. `owner` is the window the form belongs to (a back
  // end keeps the form above it).
  void Show(Modality modality = Modality::Modeless, Form* owner = nullptr);
  void Hide();
  bool IsModal() const { return modal_; }
  Form* Owner() const { return owner_; }

  bool Visible() const;
  void SetVisible(bool visible);
  // Has the shown window drawn anew at once; a hidden or unloaded form draws nothing.
  void Refresh();
  const std::string& Caption() const;
  void SetCaption(std::string caption);

  // Geometry in twips. Moving or sizing a minimised or maximised form raises error 384.
  float Left() const;
  float Top() const;
  float Width() const;
  float Height() const;
  void SetLeft(float left);
  void SetTop(float top);
  void SetWidth(float width);
  void SetHeight(float height);
  void Move(float left, float top);
  void Move(float left, float top, float width, float height);

  // 0 normal, 1 minimised, 2 maximised; anything else raises error 380. A change raises Form_Resize.
  int WindowState() const;
  void SetWindowState(int state);
  // 0 to 5 (the vbBS... constants); anything else raises error 380.
  int BorderStyle() const;
  void SetBorderStyle(int style);
  int MousePointer() const;
  void SetMousePointer(int pointer);
  // A disabled form takes no user input: its controls ignore the user, and its close box does nothing.
  bool Enabled() const;
  void SetEnabled(bool enabled);

  // The controls in the order they were created.
  const std::vector<Control*>& Controls() const { return controls_; }
  // The control that has the focus, or nullptr.
  Control* ActiveControl() const { return activeControl_; }

  void AttachPeer(FormPeer* peer) { peer_ = peer; }
  FormPeer* Peer() const { return peer_; }

  // User input, for a back end.
  void UserMovesFocus(Control& control);  // focus moves: LostFocus, then GotFocus; ignored when refused
  void UserCloses();                      // the close box: Form_QueryUnload, then unloads the form
  void UserActivates();                   // the window became the active one: Form_Activate
  // The window as it now shows, in any state (a window manager's maximise moves and sizes it at once):
  // Form_Resize when its size changed. What the window system reports is taken as it is and never given
  // back to the peer.
  void UserPlaces(float left, float top, float width, float height);
  void UserSetsWindowState(int state);  // Form_Resize

  // The state as it stands, without loading the form (snapshots).
  struct State {
    std::string caption;
    bool visible = false;
    float left = 0, top = 0, width = 0, height = 0;
    int windowState = vbNormal;
    int borderStyle = vbSizable;
    int mousePointer = 0;
    bool enabled = true;
    int repaints = 0;  // how often Refresh drew the shown window
  };
  const State& RawState() const { return state_; }

 protected:
  Form(Application& app, std::string name);

  virtual void Form_Load() {}
  virtual void Form_Activate() {}
  virtual void Form_Resize() {}
  // The user asks to close the window; a form that sets Cancel stays loaded.
  virtual void Form_QueryUnload(bool& /*Cancel*/) {}
  virtual void Form_Unload() {}

 private:
  friend class Control;

  void AddControl(Control& control);
  void RemoveControl(Control& control);
  void EnsureLoaded() const;
  void MoveFocus(Control& control);
  void FocusNextAfter(Control& control);
  void SetGeometry(float left, float top, float width, float height, bool byUser);
  void ApplyWindowState(int state, bool byUser);
  void Activate();
  void SetShown(bool shown);
  void Notify(FormProperty property);

  Application& app_;
  std::string name_;
  std::vector<Control*> controls_;
  Control* activeControl_ = nullptr;
  FormPeer* peer_ = nullptr;
  State state_;
  State design_;
  bool designCaptured_ = false;
  bool loaded_ = false;
  bool unloading_ = false;
  bool modal_ = false;
  Form* owner_ = nullptr;
};

}  // namespace ui
