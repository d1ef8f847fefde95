#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// Style numbers of a message box, added together as callers are used to: buttons + icon + default button.
inline constexpr int vbOKOnly = 0;
inline constexpr int vbOKCancel = 1;
inline constexpr int vbAbortRetryIgnore = 2;
inline constexpr int vbYesNoCancel = 3;
inline constexpr int vbYesNo = 4;
inline constexpr int vbRetryCancel = 5;
inline constexpr int vbCritical = 16;
inline constexpr int vbQuestion = 32;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;
inline constexpr int vbDefaultButton1 = 0;
inline constexpr int vbDefaultButton2 = 256;
inline constexpr int vbDefaultButton3 = 512;
inline constexpr int vbApplicationModal = 0;
inline constexpr int vbSystemModal = 4096;

// Answers of a message box: the button that was pressed.
inline constexpr int vbOK = 1;
inline constexpr int vbCancel = 2;
inline constexpr int vbAbort = 3;
inline constexpr int vbRetry = 4;
inline constexpr int vbIgnore = 5;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

enum class MsgIcon { None, Critical, Question, Exclamation, Information };

// One message box as a back end shows it, decoded from the caller's style number.
struct MessageBoxRequest {
  std::string prompt;
  std::string title;
  int style = vbOKOnly;
  std::vector<int> buttons;  // the answers of its buttons, left to right
  MsgIcon icon = MsgIcon::None;
  int defaultButton = 0;  // index into `buttons`
  int escapeAnswer = 0;   // what Escape or the close box answers; 0 when the box cannot be dismissed so

  // Decodes `style`; a button set outside 0 to 5 raises error 5 (invalid procedure call).
  static MessageBoxRequest FromStyle(std::string prompt, int style, std::string title);

  int DefaultAnswer() const { return buttons[static_cast<std::size_t>(defaultButton)]; }
  bool Offers(int answer) const;
};

// "OK", "Cancel", ... for an answer number; "?" for anything else.
std::string AnswerName(int answer);
// The button names of scripts, "ok" to "no": the lower-case AnswerName, and the answer of such a name.
std::string ButtonName(int answer);
std::optional<int> AnswerOfButtonName(std::string_view name);

// Shows modal message boxes and returns the answer.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual int Show(const MessageBoxRequest& request) = 0;
};

}  // namespace ui
