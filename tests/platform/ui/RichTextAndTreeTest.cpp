#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "UiTestSupport.h"
#include "platform/ui/RichTextBox.h"
#include "platform/ui/TreeView.h"
#include "platform/ui/UiError.h"

namespace ui_test {
namespace {

class PaneForm : public RecordingForm {
 public:
  PaneForm(ui::Application& app, std::vector<std::string>& events) : RecordingForm(app, "fPane", events) {
    TreeView1.SetCheckboxes(true);
    TreeView1.OnNodeCheck = [this](ui::TreeNode& Node) {
      Record("NodeCheck " + Node.Text() + " " + (Node.Checked() ? "on" : "off"));
      Node.SetForeColor(Node.Checked() ? ui::vbRed : ui::vbBlack);
      for (ui::TreeNode* child = Node.Child(); child; child = child->Next()) {
        child->SetChecked(Node.Checked());
        child->SetForeColor(Node.ForeColor());
      }
    };
    TreeView1.OnMouseUp = [this](int Button, int, float, float) {
      Record("MouseUp " + std::to_string(Button));
      TreeView1.Node("Dev1()").SetChecked(true);
    };
    TreeView1.OnNodeClick = [this](ui::TreeNode& Node) { Record("NodeClick " + Node.Key()); };
  }

  ui::RichTextBox RTHinweis{*this, "RTHinweis"};
  ui::TreeView TreeView1{*this, "TreeView1"};
};

// The emphasis of each character as a string: '-' none, 'b' bold, 'u' underline, 'B' both.
std::string EmphasisMap(const ui::RichTextBox& box, int count) {
  std::string map;
  for (int position = 0; position < count; ++position) map += "-buB"[box.EmphasisAt(position)];
  return map;
}

TEST(RichTextBox, SelectionEmphasisAndFindWorkOnCharacterPositions) {
  HeadlessUi ui;
  std::vector<std::string> events;
  PaneForm form(ui.app, events);
  form.Show();
  ui::RichTextBox& pane = form.RTHinweis;

  pane.SetText(
      "SCPT Typ:\r\nSchlie\xC3\x9F"
      "er, Index 7\r\nFunktion:\r\nDer Eingang.");
  pane.SetSelStart(0);
  pane.SetSelLength(10000);
  EXPECT_EQ(pane.SelLength(), 54) << "the selection is cut to the text; the sharp s counts as one character";
  pane.SetSelBold(false);
  pane.SetSelUnderline(false);
  pane.SetSelStart(0);
  pane.SetSelLength(9);
  pane.SetSelBold(true);
  pane.SetSelUnderline(true);
  EXPECT_EQ(pane.Find("FUNKTION:", 0, 1000), 31) << "the search ignores the case of letters";
  EXPECT_EQ(pane.SelStart(), 31);
  EXPECT_EQ(pane.SelLength(), 9);
  pane.SetSelBold(true);
  EXPECT_TRUE(pane.SelBold());
  EXPECT_FALSE(pane.SelUnderline());
  pane.SetSelStart(130);
  EXPECT_EQ(pane.SelStart(), 54);
  EXPECT_EQ(EmphasisMap(pane, 54), "BBBBBBBBB----------------------bbbbbbbbb--------------");

  EXPECT_EQ(pane.Find("Funktion:", 0, 37), -1) << "an occurrence must lie wholly inside the range";
  EXPECT_EQ(pane.Find("Eingang", 30), 46);
  EXPECT_EQ(pane.Find("missing"), -1);
  EXPECT_EQ(pane.SelStart(), 46) << "a failed search keeps the selection";

  pane.SetSelStart(0);
  pane.SetSelLength(54);
  EXPECT_FALSE(pane.SelBold()) << "a mixed selection is not bold as a whole";
  pane.SetSelUnderline(false);
  EXPECT_EQ(EmphasisMap(pane, 54), "bbbbbbbbb----------------------bbbbbbbbb--------------")
      << "switching one attribute off leaves the other";
  EXPECT_EQ(ErrorNumberOf([&] { pane.SetSelLength(-1); }), platform::kErrInvalidPropertyValue);

  pane.SetText("Location of Device:");
  EXPECT_EQ(EmphasisMap(pane, 19), std::string(19, '-')) << "a new text comes without emphasis";
}

TEST(TreeView, NodesKeepKeysTagsAndFamilyAndTheUserChecksThem) {
  HeadlessUi ui;
  std::vector<std::string> events;
  PaneForm form(ui.app, events);
  form.Show();
  events.clear();
  ui::TreeView& tree = form.TreeView1;

  ui::TreeNode& subA = tree.Add("Sub A", "Sub A");
  tree.AddChild(subA, "Dev1()", "Dev1").SetTag("1");
  ui::TreeNode& subB = tree.Add("Sub B", "Sub B");
  tree.AddChild(subB, "Dev2()", "Dev2").SetTag("2");
  tree.AddChild(tree.Node("Sub A"), "Dev3()", "Dev3").SetTag("3");
  EXPECT_EQ(ErrorNumberOf([&] { tree.AddChild(subB, "Dev1()", "Dev1"); }), platform::kErrKeyNotUnique);
  EXPECT_EQ(tree.NodeCount(), 5);
  EXPECT_EQ(ErrorNumberOf([&] { tree.Node(6); }), platform::kErrIndexOutOfBounds);
  EXPECT_EQ(ErrorNumberOf([&] { tree.Node("Dev9()"); }), platform::kErrElementNotFound);

  EXPECT_EQ(tree.Node(5).Key(), "Dev3()");
  EXPECT_EQ(tree.Node(5).Tag(), "3");
  EXPECT_EQ(tree.Node(5).FullPath(), "Sub A\\Dev3");
  EXPECT_EQ(subA.FullPath(), subA.Text()) << "a root's full path is its text";
  EXPECT_EQ(subA.Children(), 2);
  EXPECT_EQ(subA.Child()->Next(), &tree.Node(5));
  EXPECT_EQ(tree.Node(5).Next(), nullptr);
  EXPECT_EQ(subA.Next(), &subB);
  EXPECT_EQ(tree.Node(4).Parent(), &subB);

  tree.Node("Dev1()").SetChecked(true);
  EXPECT_TRUE(events.empty()) << "checking from code raises nothing";

  tree.UserChecks(subA);
  tree.UserMouseUp(ui::vbLeftButton, 0, 0, 0);
  tree.UserChecks(tree.Node("Dev1()"));
  tree.UserMouseUp(ui::vbLeftButton, 0, 0, 0);
  EXPECT_EQ(events, (std::vector<std::string>{"fPane.NodeCheck Sub A on", "fPane.MouseUp 1",
                                              "fPane.NodeCheck Dev1 off", "fPane.MouseUp 1"}));
  EXPECT_TRUE(tree.Node("Dev1()").Checked()) << "the mouse-up handler checked the edited device again";
  EXPECT_EQ(tree.Node("Dev1()").ForeColor(), ui::vbBlack);
  EXPECT_TRUE(tree.Node("Dev3()").Checked());
  EXPECT_EQ(tree.Node("Dev3()").ForeColor(), ui::vbRed);
  EXPECT_FALSE(tree.Node("Dev2()").Checked());

  events.clear();
  tree.UserClicksNode(tree.Node(4));
  EXPECT_EQ(tree.SelectedItem(), &tree.Node(4));
  tree.SetCheckboxes(false);
  tree.UserChecks(subB);
  EXPECT_EQ(events, (std::vector<std::string>{"fPane.NodeClick Dev2()"}))
      << "without check boxes nothing is checked";

  form.Unload();
  EXPECT_EQ(tree.NodeCount(), 0) << "a new load starts with an empty tree";
  EXPECT_TRUE(tree.Checkboxes());
}

}  // namespace
}  // namespace ui_test
