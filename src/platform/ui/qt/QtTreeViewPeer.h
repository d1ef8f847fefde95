#pragma once

#include <QTreeWidget>
#include <vector>

#include "platform/ui/TreeView.h"
#include "platform/ui/qt/QtControlPeer.h"

namespace ui {

// A tree view as a QTreeWidget whose items follow the model's nodes by number. A click on a check box
// goes to the model as NodeCheck, a click on a node's text as NodeClick, and the mouse button's release
// as MouseUp after either, as the model expects.
class QtTreeViewPeer : public QtControlPeer {
 public:
  QtTreeViewPeer(QtFormWindow& window, TreeView& tree, QWidget* parent);

 protected:
  void ShowProperty(Property property, int item) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowNodes();
  void AddItem(const TreeNode& node);
  void ShowNode(const TreeNode& node);
  void ShowSelection();
  TreeNode* NodeOf(QTreeWidgetItem* item) const;

  TreeView& tree_;
  QTreeWidget* widget_;
  std::vector<QTreeWidgetItem*> items_;  // by node number - 1
  bool checkToggled_ = false;
};

}  // namespace ui
