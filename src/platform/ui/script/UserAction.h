#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ui {

// One line of a user's script: "VERB NAME REST", the rest taken verbatim, blanks included. `send` and
// `snapshot` take the whole rest as it stands (NAME stays empty).
enum class Verb { Type, Set, Click, Choose, Key, Focus, Spin, Check, Close, Wait, Send, Snapshot };

// The longest `wait`: an hour, so that a script's slip cannot hold the program for ever (a virtual hour
// still runs every timer of that hour, which takes about a second).
inline constexpr long kLongestWaitMs = 3'600'000;

// The refusal of a longer time: "WHAT at most ... milliseconds (one hour)".
std::string LongestWaitText(const std::string& what);

struct UserAction {
  std::string line;
  Verb verb = Verb::Click;
  std::string name;
  std::string rest;
  long waitMs = 0;  // how long a `wait` lasts
};

// A whole number of digits alone ("12"), nothing else; none for anything else or for one too large.
std::optional<long> WholeNumber(std::string_view text);

// Splits `line` and checks that the verb is known and has what it needs, and that a wait's time is a whole
// number of milliseconds up to kLongestWaitMs; raises ActionRefused otherwise.
UserAction ParseUserAction(const std::string& line);

}  // namespace ui
