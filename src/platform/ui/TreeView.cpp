#include "platform/ui/TreeView.h"

#include "platform/runtime/RuntimeErrors.h"
#include "platform/ui/Snapshot.h"
#include "platform/ui/UiError.h"

namespace ui {

void TreeNode::Changed() {
  tree_.NodeChanged(*this);
}

void TreeNode::SetText(std::string text) {
  if (text_ == text) return;
  text_ = std::move(text);
  Changed();
}

void TreeNode::SetTag(std::string tag) {
  if (tag_ == tag) return;
  tag_ = std::move(tag);
  Changed();
}

void TreeNode::SetChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  Changed();
}

void TreeNode::SetExpanded(bool expanded) {
  if (expanded_ == expanded) return;
  expanded_ = expanded;
  Changed();
}

void TreeNode::SetForeColor(Color color) {
  if (foreColor_ == color) return;
  foreColor_ = color;
  Changed();
}

std::string TreeNode::FullPath() const {
  std::string path = text_;
  for (const TreeNode* up = parent_; up; up = up->parent_) path = up->text_ + "\\" + path;
  return path;
}

TreeNode* TreeNode::Child() const {
  return children_.empty() ? nullptr : children_.front();
}

TreeNode* TreeNode::Next() const {
  if (!parent_) {
    // Roots are siblings of one another, in the order they were added.
    bool passed = false;
    for (const auto& node : tree_.RawNodes()) {
      if (passed && !node->parent_) return node.get();
      passed = passed || node.get() == this;
    }
    return nullptr;
  }
  const auto& siblings = parent_->children_;
  return siblingPosition_ + 1 < siblings.size() ? siblings[siblingPosition_ + 1] : nullptr;
}

TreeView::TreeView(Form& form, std::string name, int index) : StatefulControl(form, std::move(name), index) {}

TreeView::~TreeView() = default;

bool TreeView::Checkboxes() const {
  return S().checkboxes;
}
void TreeView::SetCheckboxes(bool on) {
  Assign(&TreeViewState::checkboxes, on, Property::Style);
}
TreeNode& TreeView::Add(std::string key, std::string text) {
  return Append(nullptr, std::move(key), std::move(text));
}

TreeNode& TreeView::AddChild(TreeNode& parent, std::string key, std::string text) {
  if (&parent.tree_ != this) runtime::RaiseInvalidCall("ui", "the parent node belongs to another tree");
  return Append(&parent, std::move(key), std::move(text));
}

TreeNode& TreeView::Append(TreeNode* parent, std::string key, std::string text) {
  EnsureFormLoaded();
  if (!key.empty() && byKey_.contains(key))
    RaiseUiError(platform::kErrKeyNotUnique, "Key is not unique in collection: " + key);
  const int index = static_cast<int>(nodes_.size()) + 1;
  nodes_.push_back(std::unique_ptr<TreeNode>(new TreeNode(*this, index, parent, key, std::move(text))));
  TreeNode& added = *nodes_.back();
  if (!key.empty()) byKey_.emplace(std::move(key), &added);
  if (parent) {
    added.siblingPosition_ = parent->children_.size();
    parent->children_.push_back(&added);
  }
  Notify(Property::NodeAdded, index);
  return added;
}

int TreeView::NodeCount() const {
  EnsureFormLoaded();
  return static_cast<int>(nodes_.size());
}

TreeNode& TreeView::Node(int index) const {
  if (index < 1 || index > NodeCount()) {
    RaiseUiError(platform::kErrIndexOutOfBounds,
                 "Index out of bounds: node " + std::to_string(index) + " of " + DisplayName());
  }
  return *nodes_[static_cast<std::size_t>(index - 1)];
}

TreeNode& TreeView::Node(const std::string& key) const {
  EnsureFormLoaded();
  if (const auto found = byKey_.find(key); found != byKey_.end()) return *found->second;
  RaiseUiError(platform::kErrElementNotFound, "Element not found: node \"" + key + "\" of " + DisplayName());
}

TreeNode* TreeView::SelectedItem() const {
  EnsureFormLoaded();
  return selected_ > 0 ? nodes_[static_cast<std::size_t>(selected_ - 1)].get() : nullptr;
}

void TreeView::NodeChanged(const TreeNode& node) {
  Notify(Property::NodeChanged, node.index_);
}

void TreeView::UserChecks(TreeNode& node) {
  if (!AcceptsInput() || !Raw().checkboxes || &node.tree_ != this) return;
  FocusByUser();
  node.SetChecked(!node.checked_);
  if (OnNodeCheck) OnNodeCheck(node);
}

void TreeView::UserClicksNode(TreeNode& node) {
  if (!AcceptsInput() || &node.tree_ != this) return;
  FocusByUser();
  if (selected_ != node.index_) {
    selected_ = node.index_;
    Notify(Property::Selection, node.index_);
  }
  if (OnNodeClick) OnNodeClick(node);
}

void TreeView::UserExpands(TreeNode& node, bool expanded) {
  if (AcceptsInput() && &node.tree_ == this) node.SetExpanded(expanded);
}

void TreeView::UserMouseUp(int button, int shift, float x, float y) {
  if (AcceptsInput() && OnMouseUp) OnMouseUp(button, shift, x, y);
}

void TreeView::RestoreDesign() {
  StatefulControl::RestoreDesign();
  nodes_.clear();
  byKey_.clear();
  selected_ = 0;
}

void TreeView::Describe(SnapshotFields& out) const {
  out.Flag("checkboxes", Raw().checkboxes);
  out.Number("nodes", static_cast<long>(nodes_.size()));
  out.Number("selected", static_cast<long>(selected_));
  for (const auto& node : nodes_) {
    SnapshotFields& line = out.SubLine("node");
    line.Number("index", static_cast<long>(node->index_));
    line.Number("parent", static_cast<long>(node->parent_ ? node->parent_->index_ : 0));
    line.Text("key", node->key_);
    line.Text("text", node->text_);
    line.Text("tag", node->tag_);
    line.Flag("checked", node->checked_);
    line.Flag("expanded", node->expanded_);
    line.Colour("fore", node->foreColor_);
  }
}

}  // namespace ui
