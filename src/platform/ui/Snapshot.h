#pragma once

// The text snapshot of a form: one line for the form, then one line per control in creation order, each
// a name followed by key=value fields in a fixed order. The format is documented in docs/ui-snapshot.md;
// tests and the `lns` tool compare it. Taking a snapshot never loads a form.

#include <list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/Color.h"

namespace ui {

class Form;

// The fields of one snapshot line.
class SnapshotFields {
 public:
  // A line that begins with `head` ("form fMain", "txtNci(3) TextBox").
  explicit SnapshotFields(std::string_view head = {}) : line_(head) {}

  // A name, unquoted.
  void Word(std::string_view key, std::string_view value);
  // A text, quoted, with \\, \", \r, \n, \t and \xHH for other control characters.
  void Text(std::string_view key, std::string_view value);
  void Number(std::string_view key, long value);
  void Number(std::string_view key, float value);
  void Flag(std::string_view key, bool value);
  // Decimal below 0x80000000, "0x80000012" style for system colours.
  void Colour(std::string_view key, Color value);
  // [ "a", "b" ]
  void List(std::string_view key, const std::vector<std::string>& values);

  // Starts a line of its own below this one (a tree node, a log line), beginning with `head`.
  SnapshotFields& SubLine(std::string_view head);

  // This line and its sub-lines, each indented by `indent` more blanks, each ending in "\n".
  std::string Render(int indent = 0) const;

 private:
  void Key(std::string_view key);
  std::string line_;
  std::list<SnapshotFields> subLines_;  // a list allocates nothing while a line has no sub-lines
};

std::string Quote(std::string_view text);
std::string FormatColour(Color value);
std::string FormatNumber(float value);

// The whole snapshot of `form`, every line ending in "\n".
std::string Snapshot(const Form& form);

}  // namespace ui
