#include "platform/ui/script/HeadlessRunScript.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

#include "platform/ui/Form.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Snapshot.h"

namespace ui {

namespace {

constexpr std::array<std::pair<const char*, int>, 7> kAnswerWords{{
    {"ok", vbOK},
    {"cancel", vbCancel},
    {"abort", vbAbort},
    {"retry", vbRetry},
    {"ignore", vbIgnore},
    {"yes", vbYes},
    {"no", vbNo},
}};

std::string LowerTrimmed(std::string word) {
  const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
  word.erase(word.begin(), std::find_if_not(word.begin(), word.end(), blank));
  word.erase(std::find_if_not(word.rbegin(), word.rend(), blank).base(), word.end());
  std::transform(word.begin(), word.end(), word.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return word;
}

std::optional<int> AnswerOf(const std::string& word) {
  for (const auto& [name, answer] : kAnswerWords) {
    if (word == name) return answer;
  }
  return std::nullopt;
}

std::string AnswerWord(int answer) {
  for (const auto& [name, value] : kAnswerWords) {
    if (value == answer) return name;
  }
  return "-";
}

}  // namespace

std::optional<std::vector<int>> AnswerWords(const std::string& list) {
  std::vector<int> answers;
  if (LowerTrimmed(list).empty()) return answers;
  std::size_t begin = 0;
  while (true) {
    const std::size_t comma = list.find(',', begin);
    const std::optional<int> answer = AnswerOf(LowerTrimmed(list.substr(begin, comma - begin)));
    if (!answer) return std::nullopt;
    answers.push_back(*answer);
    if (comma == std::string::npos) return answers;
    begin = comma + 1;
  }
}

std::string RunSnapshot(const std::vector<Form*>& forms,
                        const std::vector<HeadlessMessageBoxes::Record>& boxes) {
  std::string text;
  for (const Form* form : forms) text += Snapshot(*form);
  for (const HeadlessMessageBoxes::Record& box : boxes) {
    SnapshotFields line("box");
    line.Text("text", box.request.prompt);
    line.Text("title", box.request.title);
    line.Number("style", static_cast<long>(box.request.style));
    line.Word("answer", AnswerWord(box.answer));
    text += line.Render();
  }
  return text;
}

}  // namespace ui
