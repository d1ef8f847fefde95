#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "platform/ui/Control.h"

namespace ui {

class QtFormWindow;

// The widget of one control. It shows what the model holds (every change reaches OnPropertyChanged) and
// hands what the user does to the model's User* entry points, then brings the widget back in line with
// the model, which may have refused, dropped or replaced the input.
class QtControlPeer : public QObject, public ControlPeer {
 public:
  // `widget` may be null for a control without a widget of its own (a menu entry).
  QtControlPeer(QtFormWindow& window, Control& control, QWidget* widget);
  ~QtControlPeer() override;

  Control& Model() const { return control_; }
  QWidget* Widget() const { return widget_; }

  void OnPropertyChanged(Control& control, Property property, int item) final;

  // Shows the whole state of the control (when the window is built).
  void ShowAll();
  // Places the widget by the control's twips geometry inside its container.
  virtual void ApplyGeometry();

  // For containers (frames, tab controls): the widget that holds the controls of page `tab` (-1 for a
  // frame) and where the container's twips coordinates begin within it.
  virtual QWidget* ContentFor(int /*tab*/) { return nullptr; }
  virtual QPoint OriginFor(int /*tab*/) { return {}; }

 protected:
  // The kind's own properties.
  virtual void ShowProperty(Property property, int item) = 0;
  // After user input: re-reads what the input may have changed.
  virtual void SyncAfterInput() {}

  // Runs user input on the model unless the form went away meanwhile, then syncs the widget.
  void UserInput(const std::function<void()>& input);
  // True while the peer is attached to a loaded form.
  bool Live() const;
  // Also watch `object` (a child widget that takes the focus for this control) for focus.
  void WatchFocus(QObject* object);

  bool eventFilter(QObject* watched, QEvent* event) override;

  // True while the peer itself writes to the widget, so that widget signals are not taken for input.
  bool showing_ = false;
  QtFormWindow& window_;

 private:
  void Show(Property property, int item);
  void ShowCommon(Property property);
  void ShowForeColor();

  Control& control_;
  QPointer<QWidget> widget_;
};

// Sets `showing` for the lifetime of the object.
class ShowingGuard {
 public:
  explicit ShowingGuard(bool& showing) : showing_(showing), before_(showing) { showing_ = true; }
  ~ShowingGuard() { showing_ = before_; }
  ShowingGuard(const ShowingGuard&) = delete;
  ShowingGuard& operator=(const ShowingGuard&) = delete;

 private:
  bool& showing_;
  bool before_;
};

}  // namespace ui
