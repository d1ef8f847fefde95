#include "platform/ui/ConsoleServices.h"

#include <string>

namespace ui {

namespace {

std::string OneLine(std::string text) {
  for (std::size_t at = 0; (at = text.find_first_of("\r\n", at)) != std::string::npos;) {
    const std::size_t length = text.compare(at, 2, "\r\n") == 0 ? 2 : 1;
    text.replace(at, length, " ");
  }
  return text;
}

}  // namespace

int ConsoleMessageBoxes::Show(const MessageBoxRequest& request) {
  const int answer = request.DefaultAnswer();
  out_ << request.title << ": " << OneLine(request.prompt);
  if (request.buttons.size() > 1)
    out_ << " -> " << AnswerName(answer) << " (the default; nobody can be asked)";
  out_ << std::endl;
  return answer;
}

}  // namespace ui
