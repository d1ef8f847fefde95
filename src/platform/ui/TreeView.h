#pragma once

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/ui/Mouse.h"
#include "platform/ui/StatefulControl.h"

namespace ui {

class TreeView;

// A node of a tree view. Nodes are numbered from 1 in the order they were added (Index); a node's key is
// unique in its tree unless empty.
class TreeNode {
 public:
  TreeNode(const TreeNode&) = delete;
  TreeNode& operator=(const TreeNode&) = delete;

  int Index() const { return index_; }
  const std::string& Key() const { return key_; }
  const std::string& Text() const { return text_; }
  void SetText(std::string text);
  // The program's own value kept with the node ("" when none).
  const std::string& Tag() const { return tag_; }
  void SetTag(std::string tag);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool Expanded() const { return expanded_; }
  void SetExpanded(bool expanded);
  Color ForeColor() const { return foreColor_; }
  void SetForeColor(Color color);

  // The texts from the root down to this node, joined by a backslash.
  std::string FullPath() const;
  TreeNode* Parent() const { return parent_; }
  // The first child, the next sibling (nullptr when none) and the number of children.
  TreeNode* Child() const;
  TreeNode* Next() const;
  int Children() const { return static_cast<int>(children_.size()); }

 private:
  friend class TreeView;
  TreeNode(TreeView& tree, int index, TreeNode* parent, std::string key, std::string text)
      : tree_(tree), index_(index), parent_(parent), key_(std::move(key)), text_(std::move(text)) {}
  void Changed();

  TreeView& tree_;
  int index_;
  TreeNode* parent_;
  std::vector<TreeNode*> children_;
  std::size_t siblingPosition_ = 0;  // among the parent's children
  std::string key_;
  std::string text_;
  std::string tag_;
  bool checked_ = false;
  bool expanded_ = false;
  Color foreColor_ = vbBlack;
};

struct TreeViewState {
  bool checkboxes = false;
};

// A tree of nodes with optional check boxes. Nodes are added while the form is loaded; a new load starts
// with an empty tree.
class TreeView : public StatefulControl<TreeViewState> {
 public:
  TreeView(Form& form, std::string name, int index = -1);
  ~TreeView() override;

  std::string_view Kind() const override { return "TreeView"; }
  bool Focusable() const override { return true; }

  bool Checkboxes() const;
  void SetCheckboxes(bool on);

  // Adds a root node, or a child as the last child of `parent`. A key that another node has raises
  // error 35602 and adds nothing.
  TreeNode& Add(std::string key, std::string text);
  TreeNode& AddChild(TreeNode& parent, std::string key, std::string text);
  int NodeCount() const;
  // Node by number (1 to NodeCount(); error 35600 otherwise) or by key (error 35601 when none has it).
  TreeNode& Node(int index) const;
  TreeNode& Node(const std::string& key) const;
  // The selected node, or nullptr.
  TreeNode* SelectedItem() const;

  // Checking from code raises nothing; the user's check raises NodeCheck.
  std::function<void(TreeNode& node)> OnNodeCheck;
  std::function<void(TreeNode& node)> OnNodeClick;
  std::function<void(int button, int shift, float x, float y)> OnMouseUp;

  // User input, for a back end. Ignored while the form is unloaded or the tree disabled. A mouse click on
  // a node's check box is UserChecks and then UserMouseUp; a click on its text UserClicksNode and then
  // UserMouseUp.
  //  UserChecks: toggles the check mark (only with check boxes), then NodeCheck.
  //  UserClicksNode: selects the node, then NodeClick.
  //  UserExpands: opens or closes a node; no event.
  //  UserMouseUp: MouseUp, position in twips relative to the tree.
  void UserChecks(TreeNode& node);
  void UserClicksNode(TreeNode& node);
  void UserExpands(TreeNode& node, bool expanded);
  void UserMouseUp(int button, int shift, float x, float y);

  // The nodes without loading the form (snapshots).
  const std::vector<std::unique_ptr<TreeNode>>& RawNodes() const { return nodes_; }
  void Describe(SnapshotFields& out) const override;

 protected:
  void RestoreDesign() override;

 private:
  friend class TreeNode;
  TreeNode& Append(TreeNode* parent, std::string key, std::string text);
  void NodeChanged(const TreeNode& node);

  std::vector<std::unique_ptr<TreeNode>> nodes_;
  // Keys are looked up by map: a tree may hold thousands of nodes.
  std::unordered_map<std::string, TreeNode*> byKey_;
  int selected_ = 0;
};

}  // namespace ui
