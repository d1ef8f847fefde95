#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/ui/Form.h"

class QMenuBar;

namespace ui {

class Control;
class QtControlPeer;
class Screen;

// The window of one loaded form: a top-level widget with the form's menu bar and a client area in which
// the controls stand at their twips positions (frames and tab pages hold their own). It mirrors the form
// both ways, like the control peers do for the controls.
class QtFormWindow : public QObject, public QAbstractNativeEventFilter, public FormPeer {
 public:
  // `ownerWindow` finds the window of another form (the owner this one stays above).
  QtFormWindow(Form& form, const Screen& screen, std::function<QWidget*(const Form&)> ownerWindow);
  ~QtFormWindow() override;

  Form& Model() const { return form_; }
  QWidget* Widget() const { return window_; }
  QtControlPeer* PeerOf(const Control* control) const;

  // False once the form has unloaded: from then on nothing reaches the model.
  bool Attached() const { return attached_; }
  void Detach();

  void OnFormChanged(Form& form, FormProperty property) override;

  int ToPixelsX(float twips) const;
  int ToPixelsY(float twips) const;
  float ToTwipsX(int pixels) const;
  float ToTwipsY(int pixels) const;

  // Where the coordinates of `control`'s container begin, in pixels of the widget that holds it.
  QPoint OriginOf(const Control& control) const;
  // Places the controls inside `container` again (its pages moved or resized).
  void PlaceChildrenOf(const Control& container);
  // Gives the keyboard focus to the model's active control, which the program may have moved.
  void SyncFocus();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  void BuildControls();
  void BuildMenus();
  QWidget* HolderOf(const Control& control) const;
  void ShowGeometry();
  void ShowWindowState();
  void ShowBorderStyle();
  void ShowSizeLimits();
  void ShowVisible();
  void AwaitFirstExposure();
  QPoint FramePosition() const;
  // Gives the form the place and size the window shows, when they changed.
  void ReadPlace();
  // The user moved, sized, minimised or activated the window.
  void UserChangedWindow(const QEvent& event);

  Form& form_;
  const Screen& screen_;
  std::function<QWidget*(const Form&)> ownerWindow_;
  QPointer<QWidget> window_;
  QWidget* client_ = nullptr;
  QMenuBar* menuBar_ = nullptr;
  std::vector<std::unique_ptr<QtControlPeer>> peers_;
  std::map<const Control*, QtControlPeer*> peerOf_;
  bool attached_ = true;
  bool showing_ = false;
  QPoint shownPosition_;
  QSize shownSize_;
};

}  // namespace ui
