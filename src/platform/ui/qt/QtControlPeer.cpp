#include "platform/ui/qt/QtControlPeer.h"

#include <QEvent>
#include <QPalette>

#include "platform/ui/Form.h"
#include "platform/ui/qt/QtColors.h"
#include "platform/ui/qt/QtFormWindow.h"
#include "platform/ui/qt/QtText.h"
#include "platform/ui/qt/QtUnhandledErrors.h"

namespace ui {

QtControlPeer::QtControlPeer(QtFormWindow& window, Control& control, QWidget* widget)
    : window_(window), control_(control), widget_(widget) {
  control_.AttachPeer(this);
  if (widget_ && !control_.Focusable()) widget_->setFocusPolicy(Qt::NoFocus);
  if (widget_ && control_.Focusable()) WatchFocus(widget_);
}

QtControlPeer::~QtControlPeer() = default;

bool QtControlPeer::Live() const {
  return window_.Attached() && control_.Peer() == this;
}

void QtControlPeer::WatchFocus(QObject* object) {
  object->installEventFilter(this);
}

bool QtControlPeer::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn && !showing_ && Live()) {
    UserInput([this] { control_.Parent().UserMovesFocus(control_); });
  }
  return QObject::eventFilter(watched, event);
}

void QtControlPeer::UserInput(const std::function<void()>& input) {
  if (!Live()) return;
  RunGuarded(input);
  // The handlers may have unloaded the form; then this peer is detached and its window goes away.
  if (!Live()) return;
  ShowingGuard guard(showing_);
  SyncAfterInput();
}

void QtControlPeer::OnPropertyChanged(Control& /*control*/, Property property, int item) {
  if (!window_.Attached() || !control_.Parent().IsLoaded()) return;
  ShowingGuard guard(showing_);
  Show(property, item);
}

void QtControlPeer::ShowAll() {
  ShowingGuard guard(showing_);
  for (Property property :
       {Property::Enabled,    Property::Visible,   Property::ForeColor,    Property::ToolTipText,
        Property::Caption,    Property::Text,      Property::Style,        Property::ListItems,
        Property::ListIndex,  Property::MaxLength, Property::Selection,    Property::Emphasis,
        Property::Value,      Property::Range,     Property::TabCaption,   Property::TabShown,
        Property::CurrentTab, Property::PanelText, Property::NodesCleared, Property::LogCleared}) {
    Show(property, -1);
  }
}

void QtControlPeer::Show(Property property, int item) {
  ShowCommon(property);
  ShowProperty(property, item);
}

void QtControlPeer::ShowCommon(Property property) {
  if (!widget_) return;
  switch (property) {
    case Property::Enabled:
      widget_->setEnabled(control_.RawEnabled());
      break;
    case Property::Visible:
      widget_->setVisible(control_.RawVisible());
      break;
    case Property::ForeColor:
      ShowForeColor();
      break;
    case Property::ToolTipText:
      widget_->setToolTip(QtTextOf(control_.RawToolTipText()));
      break;
    case Property::Geometry:
      ApplyGeometry();
      break;
    default:
      break;
  }
}

void QtControlPeer::ShowForeColor() {
  const std::optional<QColor> color = QtColorOf(control_.RawForeColor());
  if (!color) {
    widget_->setPalette(QPalette());  // back to the inherited colours
    return;
  }
  QPalette palette = widget_->palette();
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(QPalette::Active, role, *color);
    palette.setColor(QPalette::Inactive, role, *color);
  }
  widget_->setPalette(palette);
}

void QtControlPeer::ApplyGeometry() {
  if (!widget_ || !Live()) return;
  const QPoint origin = window_.OriginOf(control_);
  widget_->setGeometry(window_.ToPixelsX(control_.Left()) - origin.x(),
                       window_.ToPixelsY(control_.Top()) - origin.y(), window_.ToPixelsX(control_.Width()),
                       window_.ToPixelsY(control_.Height()));
}

}  // namespace ui
