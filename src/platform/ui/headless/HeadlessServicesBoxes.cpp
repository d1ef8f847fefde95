#include "platform/ui/headless/HeadlessServicesBoxes.h"

#include "platform/ui/ScriptStops.h"

namespace ui {

namespace {

std::string Describe(const MessageBoxRequest& request) {
  return "message box \"" + request.prompt + "\" (title \"" + request.title + "\")";
}

}  // namespace

void HeadlessMessageBoxes::QueueAnswer(int answer, std::string expectedPrompt) {
  script_.push_back({Key::Button, answer, std::move(expectedPrompt)});
}

void HeadlessMessageBoxes::QueueEnter(std::string expectedPrompt) {
  script_.push_back({Key::Enter, 0, std::move(expectedPrompt)});
}

void HeadlessMessageBoxes::QueueEscape(std::string expectedPrompt) {
  script_.push_back({Key::Escape, 0, std::move(expectedPrompt)});
}

int HeadlessMessageBoxes::Resolve(const Scripted& scripted, const MessageBoxRequest& request) const {
  if (request.prompt.find(scripted.expectedPrompt) == std::string::npos) {
    throw UnscriptedDialog("unexpected " + Describe(request) + ": the script expected one saying \"" +
                           scripted.expectedPrompt + "\"");
  }
  switch (scripted.key) {
    case Key::Enter:
      return request.DefaultAnswer();
    case Key::Escape:
      if (request.escapeAnswer == 0) {
        throw UnscriptedDialog("Escape cannot dismiss " + Describe(request));
      }
      return request.escapeAnswer;
    case Key::Button:
      break;
  }
  if (!request.Offers(scripted.answer)) {
    throw UnscriptedDialog("the script answers " + AnswerName(scripted.answer) + ", which " +
                           Describe(request) + " does not offer");
  }
  return scripted.answer;
}

int HeadlessMessageBoxes::Show(const MessageBoxRequest& request) {
  shown_.push_back({request, 0});
  if (script_.empty()) throw UnansweredBox("no answer queued for " + Describe(request), request.prompt);
  const Scripted scripted = script_.front();
  script_.pop_front();
  shown_.back().answer = Resolve(scripted, request);
  return shown_.back().answer;
}

}  // namespace ui
