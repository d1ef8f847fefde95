#pragma once

#include <QGroupBox>
#include <QTabWidget>

#include "platform/ui/Frame.h"
#include "platform/ui/TabControl.h"
#include "platform/ui/qt/QtControlPeer.h"

namespace ui {

// A frame as a group box; its controls are placed from its top left corner.
class QtFramePeer : public QtControlPeer {
 public:
  QtFramePeer(QtFormWindow& window, Frame& frame, QWidget* parent);

  QWidget* ContentFor(int /*tab*/) override { return Widget(); }

 protected:
  void ShowProperty(Property property, int item) override;

 private:
  Frame& frame_;
};

// A tab control as a QTabWidget with one page per tab. The controls of a tab stand on its page; their
// twips positions count from the tab control's top left corner, tab strip included, so the page's own
// offset is taken off.
class QtTabControlPeer : public QtControlPeer {
 public:
  QtTabControlPeer(QtFormWindow& window, TabControl& tabs, QWidget* parent);

  QWidget* ContentFor(int tab) override;
  QPoint OriginFor(int tab) override;

 protected:
  void ShowProperty(Property property, int item) override;
  void SyncAfterInput() override { ShowCurrent(); }
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowTabs();
  void ShowCurrent();

  TabControl& tabs_;
  QTabWidget* tabWidget_;
};

}  // namespace ui
