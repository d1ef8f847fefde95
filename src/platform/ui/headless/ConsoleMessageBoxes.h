#pragma once

#include <ostream>

#include "platform/ui/MessageBox.h"

namespace ui {

// Message boxes where nobody can answer them (a program run without a display): each box is written to
// `out` as one line, "title: prompt" (line breaks inside the prompt become blanks). A box with only an OK
// button is answered OK; a box that asks something raises UnscriptedDialog with its prompt, since taking
// an answer nobody gave could do what nobody wanted.
class ConsoleMessageBoxes : public MessageBoxes {
 public:
  explicit ConsoleMessageBoxes(std::ostream& out) : out_(out) {}
  int Show(const MessageBoxRequest& request) override;

 private:
  std::ostream& out_;
};

}  // namespace ui
