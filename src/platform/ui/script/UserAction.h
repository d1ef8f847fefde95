#pragma once

#include <string>

namespace ui {

// One line of a user's script: "VERB NAME REST", the rest taken verbatim, blanks included. `send` and
// `snapshot` take the whole rest as it stands (NAME stays empty).
enum class Verb { Type, Set, Click, Choose, Key, Focus, Spin, Check, Close, Wait, Send, Snapshot };

struct UserAction {
  std::string line;
  Verb verb = Verb::Click;
  std::string name;
  std::string rest;
};

// Splits `line` and checks that the verb is known and has what it needs; raises ActionRefused otherwise.
UserAction ParseUserAction(const std::string& line);

}  // namespace ui
