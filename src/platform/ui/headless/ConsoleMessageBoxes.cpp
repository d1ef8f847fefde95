#include "platform/ui/headless/ConsoleMessageBoxes.h"

#include <string>

#include "platform/ui/ScriptStops.h"

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
  const std::string line = request.title + ": " + OneLine(request.prompt);
  if (request.buttons.size() > 1) throw UnscriptedDialog(line);
  out_ << line << std::endl;
  return request.DefaultAnswer();
}

}  // namespace ui
