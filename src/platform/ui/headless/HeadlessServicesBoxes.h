#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/ui/MessageBox.h"

namespace ui {

// Message boxes answered from a script. Each box takes the next queued answer; a box with no answer
// queued, or whose queued answer it does not offer, raises UnscriptedDialog carrying its prompt.
class HeadlessMessageBoxes : public MessageBoxes {
 public:
  struct Record {
    MessageBoxRequest request;
    int answer = 0;  // 0 when the box was not answered by the script
  };

  // Queues the button the user presses on the next box. With `expectedPrompt` given, that box's prompt
  // must contain it.
  void QueueAnswer(int answer, std::string expectedPrompt = {});
  // Queues Enter (the default button) or Escape (Cancel, or OK on a lone OK button) for the next box.
  void QueueEnter(std::string expectedPrompt = {});
  void QueueEscape(std::string expectedPrompt = {});

  std::size_t PendingAnswers() const { return script_.size(); }
  // Every box shown, in order, the unscripted ones included.
  const std::vector<Record>& Shown() const { return shown_; }

  int Show(const MessageBoxRequest& request) override;

 private:
  enum class Key { Button, Enter, Escape };
  struct Scripted {
    Key key;
    int answer;
    std::string expectedPrompt;
  };

  int Resolve(const Scripted& scripted, const MessageBoxRequest& request) const;

  std::deque<Scripted> script_;
  std::vector<Record> shown_;
};

}  // namespace ui
