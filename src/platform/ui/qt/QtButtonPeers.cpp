#include "platform/ui/qt/QtButtonPeers.h"

#include "platform/ui/qt/QtText.h"

namespace ui {

namespace {

// The whole area of the control takes the click, not only the box and its caption.
class WholeAreaCheckBox : public QCheckBox {
 public:
  using QCheckBox::QCheckBox;

 protected:
  bool hitButton(const QPoint& position) const override { return rect().contains(position); }
};

}  // namespace

QtCommandButtonPeer::QtCommandButtonPeer(QtFormWindow& window, CommandButton& button, QWidget* parent)
    : QtControlPeer(window, button, new QPushButton(parent)),
      button_(button),
      push_(static_cast<QPushButton*>(Widget())) {
  // Enter on a focused button presses it, as Space does: a key handler that moves the focus to a
  // button on Enter relies on the next Enter pressing it. The forms are plain widgets, not dialogs, so
  // no button becomes a default button that would take Enter from the other controls.
  push_->setAutoDefault(true);
  QObject::connect(push_, &QPushButton::clicked, this, [this] {
    if (!showing_) UserInput([this] { button_.UserClicks(); });
  });
}

void QtCommandButtonPeer::ShowProperty(Property property, int /*item*/) {
  if (property == Property::Caption) push_->setText(QtTextOf(button_.Caption()));
}

QtCheckBoxPeer::QtCheckBoxPeer(QtFormWindow& window, CheckBox& box, QWidget* parent)
    : QtControlPeer(window, box, new WholeAreaCheckBox(parent)),
      box_(box),
      check_(static_cast<QCheckBox*>(Widget())) {
  check_->setTristate(true);
  QObject::connect(check_, &QCheckBox::clicked, this, [this] {
    if (!showing_) UserInput([this] { box_.UserClicks(); });
  });
}

void QtCheckBoxPeer::ShowProperty(Property property, int /*item*/) {
  if (property == Property::Caption) check_->setText(QtTextOf(box_.Caption()));
  if (property == Property::Value) ShowValue();
}

void QtCheckBoxPeer::ShowValue() {
  switch (box_.Value()) {
    case vbChecked:
      check_->setCheckState(Qt::Checked);
      break;
    case vbGrayed:
      check_->setCheckState(Qt::PartiallyChecked);
      break;
    default:
      check_->setCheckState(Qt::Unchecked);
      break;
  }
}

}  // namespace ui
