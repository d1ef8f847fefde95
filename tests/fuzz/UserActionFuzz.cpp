// libFuzzer target for the user actions of `lns send --do` (`ParseUserAction`): a line is refused only with
// ActionRefused, whose text names the line; an accepted line is its verb, name and rest joined again, with a
// name that holds no blank. A `wait` of digits alone is accepted exactly up to the longest wait, and its
// time is the number it names.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "platform/ui/ScriptStops.h"
#include "platform/ui/script/UserAction.h"

namespace {

bool AllDigits(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// The time a wait of digits names, capped just past the longest wait so that it cannot overflow.
long CappedMilliseconds(const std::string& digits) {
  long value = 0;
  for (char digit : digits) {
    value = value * 10 + (digit - '0');
    if (value > ui::kLongestWaitMs) return ui::kLongestWaitMs + 1;
  }
  return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  const std::string waitPrefix = "wait ";
  const bool waitLine = line.rfind(waitPrefix, 0) == 0;
  const std::string waitName = waitLine ? line.substr(waitPrefix.size()) : std::string();
  const bool plainWait = waitLine && AllDigits(waitName);

  ui::UserAction action;
  try {
    action = ui::ParseUserAction(line);
  } catch (const ui::ActionRefused& refused) {
    // what() is a C string: it ends at a NUL of the line.
    const std::string named = "cannot " + line + ": ";
    fuzz::Require(std::string(refused.what()).rfind(named.substr(0, named.find('\0')), 0) == 0);
    fuzz::Require(!plainWait || CappedMilliseconds(waitName) > ui::kLongestWaitMs);
    return 0;
  }
  fuzz::Require(action.line == line && action.name.find(' ') == std::string::npos);
  const std::string verb = line.substr(0, line.find(' '));
  std::string joined = verb;
  if (!action.name.empty()) joined += " " + action.name;
  if (action.rest.size() > 0 || line.size() > joined.size()) joined += " " + action.rest;
  fuzz::Require(joined == line);
  if (action.verb == ui::Verb::Wait) {
    fuzz::Require(plainWait && action.waitMs == CappedMilliseconds(waitName) &&
                  action.waitMs <= ui::kLongestWaitMs);
  } else {
    fuzz::Require(!plainWait);
  }
  return 0;
}
