#include "platform/ui/MessageBox.h"

#include <algorithm>
#include <cctype>

#include "platform/Error.h"

namespace ui {

namespace {

constexpr int kButtonMask = 0x0F;
constexpr int kIconMask = 0x70;
constexpr int kDefaultMask = 0x300;

std::vector<int> ButtonsOf(int buttonSet) {
  switch (buttonSet) {
    case vbOKOnly:
      return {vbOK};
    case vbOKCancel:
      return {vbOK, vbCancel};
    case vbAbortRetryIgnore:
      return {vbAbort, vbRetry, vbIgnore};
    case vbYesNoCancel:
      return {vbYes, vbNo, vbCancel};
    case vbYesNo:
      return {vbYes, vbNo};
    case vbRetryCancel:
      return {vbRetry, vbCancel};
    default:
      throw platform::RaisedError(
          5, "MsgBox", "Invalid procedure call or argument: button set " + std::to_string(buttonSet));
  }
}

MsgIcon IconOf(int iconBits) {
  switch (iconBits) {
    case vbCritical:
      return MsgIcon::Critical;
    case vbQuestion:
      return MsgIcon::Question;
    case vbExclamation:
      return MsgIcon::Exclamation;
    case vbInformation:
      return MsgIcon::Information;
    default:
      return MsgIcon::None;
  }
}

// Escape answers Cancel where there is one; a lone OK button is dismissed as OK; Yes/No and
// Abort/Retry/Ignore must be answered with a button.
int EscapeAnswerOf(const std::vector<int>& buttons) {
  if (std::find(buttons.begin(), buttons.end(), vbCancel) != buttons.end()) return vbCancel;
  if (buttons.size() == 1) return buttons.front();
  return 0;
}

}  // namespace

MessageBoxRequest MessageBoxRequest::FromStyle(std::string prompt, int style, std::string title) {
  MessageBoxRequest request;
  request.prompt = std::move(prompt);
  request.title = std::move(title);
  request.style = style;
  request.buttons = ButtonsOf(style & kButtonMask);
  request.icon = IconOf(style & kIconMask);
  const int wanted = (style & kDefaultMask) / vbDefaultButton2;
  // A default beyond the last button falls back to the first, as the system's message box does.
  request.defaultButton = wanted < static_cast<int>(request.buttons.size()) ? wanted : 0;
  request.escapeAnswer = EscapeAnswerOf(request.buttons);
  return request;
}

bool MessageBoxRequest::Offers(int answer) const {
  return std::find(buttons.begin(), buttons.end(), answer) != buttons.end();
}

std::string AnswerName(int answer) {
  switch (answer) {
    case vbOK:
      return "OK";
    case vbCancel:
      return "Cancel";
    case vbAbort:
      return "Abort";
    case vbRetry:
      return "Retry";
    case vbIgnore:
      return "Ignore";
    case vbYes:
      return "Yes";
    case vbNo:
      return "No";
    default:
      return "?";
  }
}

std::string ButtonName(int answer) {
  std::string name = AnswerName(answer);
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name;
}

std::optional<int> AnswerOfButtonName(std::string_view name) {
  for (int answer = vbOK; answer <= vbNo; ++answer) {
    if (ButtonName(answer) == name) return answer;
  }
  return std::nullopt;
}

}  // namespace ui
