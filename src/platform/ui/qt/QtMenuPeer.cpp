#include "platform/ui/qt/QtMenuPeer.h"

#include "platform/ui/qt/QtText.h"

namespace ui {

QtMenuPeer::QtMenuPeer(QtFormWindow& window, Menu& menu, bool hasEntries)
    : QtControlPeer(window, menu, nullptr),
      menu_(menu),
      entries_(hasEntries ? new QMenu : nullptr),
      action_(hasEntries ? entries_->menuAction() : new QAction(this)) {
  action_->setObjectName(QString::fromStdString(menu.Name()));
  QObject::connect(action_, &QAction::triggered, this, [this] {
    if (!showing_) UserInput([this] { menu_.UserClicks(); });
  });
}

QtMenuPeer::~QtMenuPeer() {
  delete entries_;
}

void QtMenuPeer::AddTo(QWidget* holder) {
  holder->addAction(action_);
}

void QtMenuPeer::ShowProperty(Property property, int /*item*/) {
  switch (property) {
    case Property::Caption:
      // A separator is a line only: styles that draw an action's text beside the line would show "-".
      action_->setSeparator(menu_.IsSeparator());
      action_->setText(menu_.IsSeparator() ? QString() : QtTextOf(menu_.Caption()));
      break;
    case Property::Value:
      action_->setCheckable(menu_.Checked());
      action_->setChecked(menu_.Checked());
      break;
    case Property::Enabled:
      action_->setEnabled(menu_.RawEnabled());
      break;
    case Property::Visible:
      action_->setVisible(menu_.RawVisible());
      break;
    default:
      break;
  }
}

}  // namespace ui
