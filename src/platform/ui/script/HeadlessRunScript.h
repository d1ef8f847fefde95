#pragma once

// What a script hands a program run on the headless back end, and what the run hands back: the answers
// of its message boxes and the snapshot of its windows and boxes.

#include <optional>
#include <string>
#include <vector>

#include "platform/ui/headless/HeadlessServicesBoxes.h"

namespace ui {

class Form;

// The answers of a comma-separated list of button words (`ok cancel abort retry ignore yes no`, letter case
// ignored, blanks around a word allowed); nothing when a word is none of them. An empty list has no answer.
std::optional<std::vector<int>> AnswerWords(const std::string& list);

// The snapshot of every form (see Snapshot), then one line per message box shown, in order:
// `box text="…" title="…" style=N answer=NAME`, NAME the button pressed in lower case, or `-` for a box
// that nobody answered.
std::string RunSnapshot(const std::vector<Form*>& forms,
                        const std::vector<HeadlessMessageBoxes::Record>& boxes);

}  // namespace ui
