#pragma once

#include <QAction>
#include <QMenu>
#include <QPointer>

#include "platform/ui/Menu.h"
#include "platform/ui/qt/QtControlPeer.h"

namespace ui {

// A menu or menu entry as a QAction; one with entries of its own opens a QMenu.
class QtMenuPeer : public QtControlPeer {
 public:
  QtMenuPeer(QtFormWindow& window, Menu& menu, bool hasEntries);
  ~QtMenuPeer() override;

  Menu& Model() const { return menu_; }
  // The QMenu that holds the entries, or nullptr for a plain entry.
  QMenu* Entries() const { return entries_; }
  // Puts the action into the menu bar or the parent's menu.
  void AddTo(QWidget* holder);

 protected:
  void ShowProperty(Property property, int item) override;

 private:
  Menu& menu_;
  QPointer<QMenu> entries_;
  QAction* action_;
};

}  // namespace ui
