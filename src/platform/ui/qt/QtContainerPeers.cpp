#include "platform/ui/qt/QtContainerPeers.h"

#include <QEvent>
#include <QTabBar>

#include "platform/ui/qt/QtFormWindow.h"
#include "platform/ui/qt/QtText.h"

namespace ui {

QtFramePeer::QtFramePeer(QtFormWindow& window, Frame& frame, QWidget* parent)
    : QtControlPeer(window, frame, new QGroupBox(parent)), frame_(frame) {}

void QtFramePeer::ShowProperty(Property property, int /*item*/) {
  if (property == Property::Caption) static_cast<QGroupBox*>(Widget())->setTitle(QtTextOf(frame_.Caption()));
}

QtTabControlPeer::QtTabControlPeer(QtFormWindow& window, TabControl& tabs, QWidget* parent)
    : QtControlPeer(window, tabs, new QTabWidget(parent)),
      tabs_(tabs),
      tabWidget_(static_cast<QTabWidget*>(Widget())) {
  // The pages exist from the start, so that the controls of every tab have their page to stand on.
  for (int tab = 0; tab < tabs_.Tabs(); ++tab) tabWidget_->addTab(new QWidget, QString());
  if (tabWidget_->count() > 0) tabWidget_->widget(0)->parentWidget()->installEventFilter(this);
  // A click on a tab takes the focus before the page changes, as the form's tab control does: the focus
  // then leaves the box on the page going away instead of wandering on to a box of the new page.
  if (tabs_.Focusable()) tabWidget_->tabBar()->setFocusPolicy(Qt::StrongFocus);
  WatchFocus(tabWidget_->tabBar());
  QObject::connect(tabWidget_, &QTabWidget::currentChanged, this, [this](int tab) {
    if (!showing_ && tab >= 0) UserInput([this, tab] { tabs_.UserSelectsTab(tab); });
  });
}

QWidget* QtTabControlPeer::ContentFor(int tab) {
  return tab >= 0 && tab < tabWidget_->count() ? tabWidget_->widget(tab) : nullptr;
}

QPoint QtTabControlPeer::OriginFor(int tab) {
  QWidget* page = ContentFor(tab);
  return page ? page->mapTo(tabWidget_, QPoint(0, 0)) : QPoint();
}

bool QtTabControlPeer::eventFilter(QObject* watched, QEvent* event) {
  // The pages' stack moves and grows when the tab widget lays itself out.
  if (event->type() == QEvent::Move || event->type() == QEvent::Resize) window_.PlaceChildrenOf(tabs_);
  return QtControlPeer::eventFilter(watched, event);
}

void QtTabControlPeer::ShowProperty(Property property, int /*item*/) {
  switch (property) {
    case Property::TabCaption:
    case Property::TabShown:
      ShowTabs();
      break;
    case Property::CurrentTab:
      ShowCurrent();
      break;
    default:
      break;
  }
}

void QtTabControlPeer::ShowTabs() {
  for (int tab = 0; tab < tabs_.Tabs() && tab < tabWidget_->count(); ++tab) {
    tabWidget_->setTabText(tab, QtTextOf(tabs_.TabCaption(tab)));
    tabWidget_->setTabVisible(tab, tabs_.TabShown(tab));
  }
  ShowCurrent();
}

void QtTabControlPeer::ShowCurrent() {
  if (tabWidget_->currentIndex() != tabs_.Tab()) tabWidget_->setCurrentIndex(tabs_.Tab());
}

}  // namespace ui
