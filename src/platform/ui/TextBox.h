#pragma once

#include <functional>
#include <string>

#include "platform/ui/StatefulControl.h"

namespace ui {

// Key codes of typed characters (KeyAscii) that the boxes treat specially.
inline constexpr int vbKeyBack = 8;
inline constexpr int vbKeyTab = 9;
inline constexpr int vbKeyReturn = 13;

struct TextBoxState {
  std::string text;
  int maxLength = 0;
  int selStart = 0;
  int selLength = 0;
};

// A one-line text box. Positions and lengths count characters (not bytes) of the UTF-8 text.
class TextBox : public StatefulControl<TextBoxState> {
 public:
  TextBox(Form& form, std::string name, int index = -1);

  std::string_view Kind() const override { return "TextBox"; }
  bool Focusable() const override { return true; }

  const std::string& Text() const;
  // Puts the caret at the start and raises Change when the text differs.
  void SetText(std::string text);
  // 0 means no limit. It limits typing only; code may set any text.
  int MaxLength() const;
  void SetMaxLength(int length);
  // The selection; SetSelStart empties it. Values beyond the text are cut to it; negative ones raise
  // error 380.
  int SelStart() const;
  int SelLength() const;
  void SetSelStart(int start);
  void SetSelLength(int length);

  std::function<void()> OnChange;
  // KeyAscii by reference: set it to 0 to drop the key or to another code to replace it.
  std::function<void(int& keyAscii)> OnKeyPress;
  // KeyCode by reference (0 drops it from further key handling), Shift the modifier bits (vbShiftMask,
  // vbCtrlMask, vbAltMask of Mouse.h).
  std::function<void(int& keyCode, int shift)> OnKeyDown;

  // User input, for a back end. Ignored while the form is unloaded or the box disabled.
  //  UserKeyDown: raises KeyDown; returns the key code as the handler left it.
  //  UserTypes: raises KeyPress with the typed character (a Unicode code point); then, unless the handler
  //    dropped it, applies the key as it stands: Backspace deletes the selection or the character before
  //    the caret, a printable character replaces the selection (refused when it would exceed MaxLength),
  //    Tab moves the focus on to the next control (in creation order), other control keys change
  //    nothing; when the text changed, Change follows.
  //  UserSetsText: the user replaced the text otherwise (paste, input method); caret at the end; Change.
  //  UserSelects: the user moved the caret or the selection; no event.
  int UserKeyDown(int keyCode, int shift);
  void UserTypes(int keyAscii);
  void UserSetsText(std::string text);
  void UserSelects(int start, int length);

  void Describe(SnapshotFields& out) const override;

 private:
  void ChangeText(std::string text, int caret);
};

}  // namespace ui
