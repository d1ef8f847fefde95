#include "platform/ui/script/UserActions.h"

#include <optional>

#include "platform/WriteOutputFile.h"
#include "platform/eventloop/EventLoop.h"
#include "platform/eventloop/HeadlessEventLoop.h"
#include "platform/ui/Application.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/Form.h"
#include "platform/ui/Label.h"
#include "platform/ui/Menu.h"
#include "platform/ui/Mouse.h"
#include "platform/ui/ScriptStops.h"
#include "platform/ui/TabControl.h"
#include "platform/ui/TextBox.h"
#include "platform/ui/TreeView.h"
#include "platform/ui/UpDown.h"
#include "platform/ui/Utf8.h"
#include "platform/ui/headless/HeadlessServicesBoxes.h"
#include "platform/ui/script/HeadlessRunSnapshot.h"

namespace ui {

namespace {

constexpr int kKeyEscape = 27;
constexpr int kKeyUp = 38;
constexpr int kKeyDown = 40;
constexpr int kKeyDelete = 46;

template <class Kind>
Kind& As(const UserAction& action, Control& control, const std::string& wanted) {
  auto* kind = dynamic_cast<Kind*>(&control);
  if (!kind)
    throw ActionRefused(action.line,
                        action.name + " is a " + std::string(control.Kind()) + ", not " + wanted);
  return *kind;
}

// An entry named by its exact text, or "#N" for entry N (from 0); -1 when there is none.
int EntryIndex(const std::string& item, int count, const std::function<const std::string&(int)>& text) {
  if (item.size() > 1 && item[0] == '#') {
    const auto index = WholeNumber(std::string_view(item).substr(1));
    return index && *index < count ? static_cast<int>(*index) : -1;
  }
  for (int index = 0; index < count; ++index) {
    if (text(index) == item) return index;
  }
  return -1;
}

// The key code a keyboard reports with a character: the upper-case letter or the digit, else the
// character's own code where it is plain ASCII, 0 (no KeyDown) beyond.
int KeyCodeOf(char32_t character) {
  if (character >= 'a' && character <= 'z') return static_cast<int>(character - 'a' + 'A');
  return character < 0x80 ? static_cast<int>(character) : 0;
}

// One key of a keyboard in a text box: KeyDown, then, unless a handler dropped it, KeyPress and the edit.
void PressKey(TextBox& box, int keyCode, char32_t character) {
  const int shift = character >= 'A' && character <= 'Z' ? vbShiftMask : 0;
  if (keyCode != 0 && box.UserKeyDown(keyCode, shift) == 0) return;
  if (character != 0) box.UserTypes(static_cast<int>(character));
}

// The Delete key: the selection, or the character after the caret, goes.
void PressDelete(TextBox& box) {
  if (box.UserKeyDown(kKeyDelete, 0) == 0) return;
  const std::string& text = box.Text();
  const int start = box.SelStart();
  const int length = box.SelLength() > 0 ? box.SelLength() : 1;
  if (start >= CharCount(text)) return;
  box.UserSetsText(CharSlice(text, 0, start) + CharSlice(text, start + length, CharCount(text)));
  box.UserSelects(start, 0);
}

// The node with this key, or else the node at this path of texts from a root down ("Floor 1/Room 101").
TreeNode* FindNode(const TreeView& tree, const std::string& keyOrPath) {
  for (const auto& node : tree.RawNodes()) {
    if (node->Key() == keyOrPath) return node.get();
  }
  const TreeNode* parent = nullptr;
  std::size_t from = 0;
  while (true) {
    const std::size_t slash = keyOrPath.find('/', from);
    const std::string text = keyOrPath.substr(from, slash == std::string::npos ? slash : slash - from);
    TreeNode* match = nullptr;
    for (const auto& node : tree.RawNodes()) {
      if (!match && node->Parent() == parent && node->Text() == text) match = node.get();
    }
    if (!match || slash == std::string::npos) return match;
    parent = match;
    from = slash + 1;
  }
}

}  // namespace

UserActions::UserActions(const std::vector<std::string>& lines, Application& app,
                         const HeadlessMessageBoxes* boxes)
    : app_(app), boxes_(boxes), target_(app) {
  for (const std::string& line : lines) actions_.push_back(ParseUserAction(line));
}

void UserActions::Run(platform::HeadlessEventLoop& loop) {
  struct Queued {
    platform::HeadlessEventLoop& loop;
    ~Queued() { loop.SetUserInput(nullptr); }
  } queued{loop};
  // A user who waits does nothing meanwhile: the yields of what runs in that time take no input.
  passTime_ = [this, &loop](long milliseconds) {
    loop.SetUserInput(nullptr);
    loop.Advance(milliseconds);
    loop.SetUserInput(this);
  };
  loop.SetUserInput(this);
  while (Pending()) {
    RunNext();
    loop.RunPending();
  }
  RefuseHeldSends();
}

void UserActions::RunInOrder(platform::EventLoop& loop, std::function<void(long milliseconds)> passTime) {
  passTime_ = std::move(passTime);
  while (Pending()) {
    RunNext();
    loop.DoEvents();
  }
  RefuseHeldSends();
}

std::string UserActions::SnapshotText() const {
  static const std::vector<HeadlessMessageBoxes::Record> none;
  return RunSnapshot(app_, boxes_ ? boxes_->Shown() : none);
}

bool UserActions::Pending() const {
  return next_ < actions_.size() || (!heldSends_.empty() && SendTaken());
}

bool UserActions::SendTaken() const {
  return !SendTakenNow || SendTakenNow();
}

void UserActions::RunNext() {
  if (RunHeldSend()) return;
  const std::size_t action = next_++;
  // The plug-in holds a director's call while a window of the user's is open, and the user goes on: in a
  // modal window's loop it is the user who closes what holds the call.
  if (actions_[action].verb == Verb::Send && !SendTaken()) {
    heldSends_.push_back(action);
    return;
  }
  Do(actions_[action]);
}

void UserActions::RunNextInYield() {
  if (RunHeldSend()) return;
  if (next_ < actions_.size() && Possible(actions_[next_])) Do(actions_[next_++]);
}

void UserActions::RefuseHeldSends() const {
  if (!heldSends_.empty())
    throw ActionRefused(actions_[heldSends_.front()].line, "the plug-in still holds the director's calls");
}

bool UserActions::RunHeldSend() {
  if (heldSends_.empty() || !SendTaken()) return false;
  const std::size_t action = heldSends_.front();
  heldSends_.pop_front();
  Do(actions_[action]);
  return true;
}

bool UserActions::Possible(const UserAction& action) const {
  try {
    switch (action.verb) {
      case Verb::Wait:
      case Verb::Snapshot:
        return true;
      case Verb::Send:
        return SendTaken();
      case Verb::Close:
        target_.ShownForm(action.line, action.name);
        return true;
      default:
        target_.Find(action.line, action.name);
        return true;
    }
  } catch (const ActionRefused&) {
    return false;
  }
}

void UserActions::Do(const UserAction& action) {
  switch (action.verb) {
    case Verb::Click:
      return Click(action);
    case Verb::Type:
      return Type(action);
    case Verb::Set:
      return SetText(action);
    case Verb::Choose:
      return Choose(action);
    case Verb::Key:
      return Key(action);
    case Verb::Spin:
      return Spin(action);
    case Verb::Check:
      return Check(action);
    case Verb::Snapshot:
      return WriteSnapshot(action);
    case Verb::Focus:
      if (!target_.Reach(action.line, action.name).Focusable()) {
        throw ActionRefused(action.line, action.name + " cannot take the focus");
      }
      return;
    case Verb::Close:
      return target_.ShownForm(action.line, action.name).UserCloses();
    case Verb::Wait:
      return passTime_(action.waitMs);
    case Verb::Send:
      if (!OnSend) throw ActionRefused(action.line, "there is no director here to send commands");
      return OnSend(action.rest);
  }
}

void UserActions::Click(const UserAction& action) {
  Control& control = target_.Reach(action.line, action.name);
  if (auto* tabs = dynamic_cast<TabControl*>(&control)) {
    const int tab = EntryIndex(action.rest, tabs->Tabs(),
                               [&](int at) -> const std::string& { return tabs->TabCaption(at); });
    if (tab < 0) throw ActionRefused(action.line, action.name + " has no tab \"" + action.rest + "\"");
    if (!tabs->TabShown(tab))
      throw ActionRefused(action.line, "the tab \"" + action.rest + "\" is not shown");
    return tabs->UserSelectsTab(tab);
  }
  if (!action.rest.empty())
    throw ActionRefused(action.line, "a click on " + action.name + " takes nothing more");
  if (auto* button = dynamic_cast<CommandButton*>(&control)) return button->UserClicks();
  if (auto* box = dynamic_cast<CheckBox*>(&control)) return box->UserClicks();
  if (auto* label = dynamic_cast<Label*>(&control)) return label->UserClicks();
  if (auto* menu = dynamic_cast<Menu*>(&control)) return menu->UserClicks();
  throw ActionRefused(action.line,
                      action.name + " is a " + std::string(control.Kind()) + ", which takes no clicks");
}

void UserActions::Type(const UserAction& action) {
  auto& box = As<TextBox>(action, target_.Reach(action.line, action.name), "a text box");
  box.UserSelects(CharCount(box.Text()), 0);
  for (const char32_t character : DecodeChars(action.rest)) PressKey(box, KeyCodeOf(character), character);
}

void UserActions::SetText(const UserAction& action) {
  Control& control = target_.Reach(action.line, action.name);
  if (auto* combo = dynamic_cast<ComboBox*>(&control)) {
    if (combo->Style() != vbComboDropdown) {
      throw ActionRefused(action.line, action.name + " is a drop-down list: choose one of its entries");
    }
    return combo->UserEditsText(action.rest);
  }
  As<TextBox>(action, control, "a text box").UserSetsText(action.rest);
}

void UserActions::Choose(const UserAction& action) {
  auto& combo = As<ComboBox>(action, target_.Reach(action.line, action.name), "a combo box");
  const int index = EntryIndex(action.rest, combo.ListCount(),
                               [&](int at) -> const std::string& { return combo.List(at); });
  if (index < 0) throw ActionRefused(action.line, action.name + " has no entry \"" + action.rest + "\"");
  combo.UserSelects(index);
}

void UserActions::Key(const UserAction& action) {
  auto& box = As<TextBox>(action, target_.Reach(action.line, action.name), "a text box");
  const std::string& key = action.rest;
  if (key == "Enter") return PressKey(box, vbKeyReturn, vbKeyReturn);
  if (key == "Tab") return PressKey(box, vbKeyTab, vbKeyTab);
  if (key == "Escape") return PressKey(box, kKeyEscape, kKeyEscape);
  if (key == "Backspace") return PressKey(box, vbKeyBack, vbKeyBack);
  if (key == "Up") return PressKey(box, kKeyUp, 0);
  if (key == "Down") return PressKey(box, kKeyDown, 0);
  if (key == "Delete") return PressDelete(box);
  const std::u32string characters = DecodeChars(key);
  if (characters.size() != 1) throw ActionRefused(action.line, "there is no key \"" + key + "\"");
  PressKey(box, KeyCodeOf(characters[0]), characters[0]);
}

void UserActions::Spin(const UserAction& action) {
  const std::size_t blank = action.rest.find(' ');
  const std::string arrow = action.rest.substr(0, blank);
  const auto held =
      blank == std::string::npos ? std::optional<long>(0) : WholeNumber(action.rest.substr(blank + 1));
  if ((arrow != "up" && arrow != "down") || !held) {
    throw ActionRefused(action.line, "spin takes up or down and the milliseconds the arrow is held");
  }
  if (*held > kLongestWaitMs) throw ActionRefused(action.line, LongestWaitText("an arrow is held"));
  auto& spin = As<UpDown>(action, target_.Reach(action.line, action.name), "a spin button");
  const float x = spin.Width() / 2;
  const float y = arrow == "up" ? spin.Height() / 4 : spin.Height() * 3 / 4;
  spin.UserMouseDown(vbLeftButton, 0, x, y);
  passTime_(*held);
  spin.UserMouseUp(vbLeftButton, 0, x, y);
}

void UserActions::Check(const UserAction& action) {
  if (action.name.find('.') == std::string::npos) {
    throw ActionRefused(action.line, "name the tree as FORM.TREE");
  }
  auto& tree = As<TreeView>(action, target_.Reach(action.line, action.name), "a tree");
  if (!tree.Checkboxes()) throw ActionRefused(action.line, action.name + " has no check boxes");
  TreeNode* found = FindNode(tree, action.rest);
  if (!found) throw ActionRefused(action.line, action.name + " has no node \"" + action.rest + "\"");
  tree.UserChecks(*found);
  tree.UserMouseUp(vbLeftButton, 0, 0, 0);
}

void UserActions::WriteSnapshot(const UserAction& action) const {
  if (!platform::WriteOutputFile(action.rest, SnapshotText()))
    throw ActionRefused(action.line, "the snapshot cannot be written to " + action.rest);
}

}  // namespace ui
