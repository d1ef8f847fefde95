#include "platform/ui/qt/QtTreeViewPeer.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QTimer>

#include "platform/ui/qt/QtColors.h"
#include "platform/ui/qt/QtFormWindow.h"
#include "platform/ui/qt/QtKeys.h"
#include "platform/ui/qt/QtText.h"

namespace ui {

QtTreeViewPeer::QtTreeViewPeer(QtFormWindow& window, TreeView& tree, QWidget* parent)
    : QtControlPeer(window, tree, new QTreeWidget(parent)),
      tree_(tree),
      widget_(static_cast<QTreeWidget*>(Widget())) {
  widget_->setHeaderHidden(true);
  widget_->setColumnCount(1);
  widget_->viewport()->installEventFilter(this);
  QObject::connect(widget_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int) {
    TreeNode* node = NodeOf(item);
    if (showing_ || !node || node->Checked() == (item->checkState(0) == Qt::Checked)) return;
    checkToggled_ = true;
    UserInput([this, node] { tree_.UserChecks(*node); });
  });
  QObject::connect(widget_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item, int) {
    // A click that toggled a check box is no click on the node's text.
    const bool toggled = checkToggled_;
    checkToggled_ = false;
    TreeNode* node = NodeOf(item);
    if (showing_ || toggled || !node) return;
    UserInput([this, node] { tree_.UserClicksNode(*node); });
  });
  QObject::connect(widget_, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
    if (TreeNode* node = NodeOf(item); node && !showing_)
      UserInput([this, node] { tree_.UserExpands(*node, true); });
  });
  QObject::connect(widget_, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
    if (TreeNode* node = NodeOf(item); node && !showing_)
      UserInput([this, node] { tree_.UserExpands(*node, false); });
  });
}

bool QtTreeViewPeer::eventFilter(QObject* watched, QEvent* event) {
  if (watched == widget_->viewport() && event->type() == QEvent::MouseButtonRelease && Live()) {
    const auto& mouse = static_cast<const QMouseEvent&>(*event);
    const int button = VbButtonOf(mouse.button());
    const int shift = VbShiftOf(mouse.modifiers());
    const QPoint at = widget_->viewport()->mapTo(widget_, mouse.position().toPoint());
    const float x = window_.ToTwipsX(at.x());
    const float y = window_.ToTwipsY(at.y());
    // The tree handles the release first (check or click); MouseUp comes after that.
    QTimer::singleShot(0, this, [this, button, shift, x, y] {
      UserInput([=, this] { tree_.UserMouseUp(button, shift, x, y); });
    });
  }
  return QtControlPeer::eventFilter(watched, event);
}

TreeNode* QtTreeViewPeer::NodeOf(QTreeWidgetItem* item) const {
  if (!item || !Live()) return nullptr;
  const int number = item->data(0, Qt::UserRole).toInt();
  return number >= 1 && number <= static_cast<int>(tree_.RawNodes().size())
             ? tree_.RawNodes()[static_cast<std::size_t>(number - 1)].get()
             : nullptr;
}

void QtTreeViewPeer::ShowProperty(Property property, int item) {
  switch (property) {
    case Property::NodesCleared:
    case Property::Style:
      ShowNodes();
      break;
    case Property::NodeAdded:
      AddItem(tree_.Node(item));
      break;
    case Property::NodeChanged:
      ShowNode(tree_.Node(item));
      break;
    case Property::Selection:
      ShowSelection();
      break;
    default:
      break;
  }
}

void QtTreeViewPeer::ShowNodes() {
  widget_->clear();
  items_.clear();
  for (const auto& node : tree_.RawNodes()) AddItem(*node);
  ShowSelection();
}

void QtTreeViewPeer::AddItem(const TreeNode& node) {
  QTreeWidgetItem* parent =
      node.Parent() ? items_[static_cast<std::size_t>(node.Parent()->Index() - 1)] : nullptr;
  auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(widget_);
  item->setData(0, Qt::UserRole, node.Index());
  items_.push_back(item);
  ShowNode(node);
}

void QtTreeViewPeer::ShowNode(const TreeNode& node) {
  QTreeWidgetItem* item = items_.at(static_cast<std::size_t>(node.Index() - 1));
  item->setText(0, QtTextOf(node.Text()));
  if (tree_.Checkboxes()) {
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(0, node.Checked() ? Qt::Checked : Qt::Unchecked);
  } else {
    item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
    item->setData(0, Qt::CheckStateRole, QVariant());
  }
  item->setExpanded(node.Expanded());
  const std::optional<QColor> color = QtColorOf(node.ForeColor());
  item->setForeground(0, color ? QBrush(*color) : QBrush());
}

void QtTreeViewPeer::ShowSelection() {
  TreeNode* selected = tree_.SelectedItem();
  widget_->setCurrentItem(selected ? items_.at(static_cast<std::size_t>(selected->Index() - 1)) : nullptr);
}

}  // namespace ui
