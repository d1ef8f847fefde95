#include "platform/ui/script/UserAction.h"

#include <charconv>
#include <map>

#include "platform/ui/ScriptStops.h"

namespace ui {

namespace {

enum class Rest { None, Optional, Required };

struct Grammar {
  Verb verb;
  bool named;  // a NAME follows the verb
  Rest rest;
};

const std::map<std::string, Grammar>& Verbs() {
  static const std::map<std::string, Grammar> verbs = {
      {"type", {Verb::Type, true, Rest::Required}},   {"set", {Verb::Set, true, Rest::Optional}},
      {"click", {Verb::Click, true, Rest::Optional}}, {"choose", {Verb::Choose, true, Rest::Required}},
      {"key", {Verb::Key, true, Rest::Required}},     {"focus", {Verb::Focus, true, Rest::None}},
      {"spin", {Verb::Spin, true, Rest::Required}},   {"check", {Verb::Check, true, Rest::Required}},
      {"close", {Verb::Close, true, Rest::None}},     {"wait", {Verb::Wait, true, Rest::None}},
      {"send", {Verb::Send, false, Rest::Required}},  {"snapshot", {Verb::Snapshot, false, Rest::Required}},
  };
  return verbs;
}

// The text before the first blank, and what follows that blank.
std::pair<std::string, std::string> SplitWord(const std::string& text) {
  const std::size_t blank = text.find(' ');
  if (blank == std::string::npos) return {text, {}};
  return {text.substr(0, blank), text.substr(blank + 1)};
}

long WaitTime(const UserAction& action) {
  const auto milliseconds = WholeNumber(action.name);
  if (!milliseconds) throw ActionRefused(action.line, "the time is not a whole number of milliseconds");
  if (*milliseconds > kLongestWaitMs) {
    throw ActionRefused(action.line, LongestWaitText("a wait lasts"));
  }
  return *milliseconds;
}

}  // namespace

std::string LongestWaitText(const std::string& what) {
  return what + " at most " + std::to_string(kLongestWaitMs) + " milliseconds (one hour)";
}

std::optional<long> WholeNumber(std::string_view text) {
  long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  // from_chars would take a sign ("-0").
  if (text.empty() || text.front() < '0' || text.front() > '9' || error != std::errc() ||
      end != text.data() + text.size())
    return std::nullopt;
  return value;
}

UserAction ParseUserAction(const std::string& line) {
  UserAction action;
  action.line = line;
  auto [verb, afterVerb] = SplitWord(line);
  const auto grammar = Verbs().find(verb);
  if (grammar == Verbs().end()) throw ActionRefused(line, "unknown action \"" + verb + "\"");
  action.verb = grammar->second.verb;
  const bool hasRest = line.find(' ') != std::string::npos;
  if (grammar->second.named) {
    auto [name, rest] = SplitWord(afterVerb);
    if (name.empty()) throw ActionRefused(line, verb + " needs a name");
    action.name = name;
    action.rest = rest;
    const bool restGiven = afterVerb.find(' ') != std::string::npos;
    if (grammar->second.rest == Rest::Required && rest.empty()) {
      throw ActionRefused(line, verb + " needs more after " + name);
    }
    if (grammar->second.rest == Rest::None && restGiven) {
      throw ActionRefused(line, verb + " takes nothing after " + name);
    }
    if (action.verb == Verb::Wait) action.waitMs = WaitTime(action);
  } else {
    action.rest = afterVerb;
    if (!hasRest || afterVerb.empty()) throw ActionRefused(line, verb + " needs more");
  }
  return action;
}

}  // namespace ui
