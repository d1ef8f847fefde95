#include "platform/ui/TextBox.h"

#include <algorithm>

#include "platform/ui/Snapshot.h"
#include "platform/ui/UiError.h"
#include "platform/ui/Utf8.h"

namespace ui {

namespace {

bool Printable(int key) {
  return key >= 32 && key != 127 && key <= 0x10FFFF && (key < 0xD800 || key > 0xDFFF);
}

void CheckNotNegative(int value, const char* what) {
  if (value < 0)
    RaiseUiError(platform::kErrInvalidPropertyValue, std::string("Invalid property value: negative ") + what);
}

}  // namespace

TextBox::TextBox(Form& form, std::string name, int index) : StatefulControl(form, std::move(name), index) {}

const std::string& TextBox::Text() const {
  return S().text;
}

void TextBox::SetText(std::string text) {
  if (S().text == text) return;
  ChangeText(std::move(text), 0);
}

void TextBox::ChangeText(std::string text, int caret) {
  TextBoxState& state = MutableS();
  state.text = std::move(text);
  state.selStart = caret;
  state.selLength = 0;
  Notify(Property::Text);
  Notify(Property::Selection);
  if (OnChange) OnChange();
}

int TextBox::MaxLength() const {
  return S().maxLength;
}

void TextBox::SetMaxLength(int length) {
  CheckNotNegative(length, "MaxLength");
  Assign(&TextBoxState::maxLength, length, Property::MaxLength);
}

int TextBox::SelStart() const {
  return S().selStart;
}
int TextBox::SelLength() const {
  return S().selLength;
}

void TextBox::SetSelStart(int start) {
  CheckNotNegative(start, "SelStart");
  TextBoxState& state = MutableS();
  start = std::min(start, CharCount(state.text));
  if (state.selStart == start && state.selLength == 0) return;
  state.selStart = start;
  state.selLength = 0;
  Notify(Property::Selection);
}

void TextBox::SetSelLength(int length) {
  CheckNotNegative(length, "SelLength");
  TextBoxState& state = MutableS();
  length = std::min(length, CharCount(state.text) - state.selStart);
  if (state.selLength == length) return;
  state.selLength = length;
  Notify(Property::Selection);
}

int TextBox::UserKeyDown(int keyCode, int shift) {
  if (!AcceptsInput()) return keyCode;
  if (OnKeyDown) OnKeyDown(keyCode, shift);
  return keyCode;
}

void TextBox::UserTypes(int keyAscii) {
  if (!AcceptsInput()) return;
  if (OnKeyPress) OnKeyPress(keyAscii);
  const TextBoxState& state = Raw();
  const std::string& text = state.text;
  const int start = state.selStart;
  const int length = state.selLength;
  const auto before = [&](int position) { return CharSlice(text, 0, position); };
  const auto after = [&](int position) { return CharSlice(text, position, CharCount(text)); };
  if (keyAscii == vbKeyBack) {
    if (length > 0) {
      ChangeText(before(start) + after(start + length), start);
    } else if (start > 0) {
      ChangeText(before(start - 1) + after(start), start - 1);
    }
    return;
  }
  if (keyAscii == vbKeyTab) {
    // A key handler may turn a key into Tab: the focus moves on, as the Tab key would move it.
    FocusNext();
    return;
  }
  if (!Printable(keyAscii)) {
    // A dropped key, or a control key that a one-line box does not take: the widget must not show it.
    Notify(Property::Text);
    return;
  }
  if (state.maxLength > 0 && CharCount(text) - length + 1 > state.maxLength) {
    Notify(Property::Text);
    return;
  }
  ChangeText(before(start) + EncodeChar(static_cast<char32_t>(keyAscii)) + after(start + length), start + 1);
}

void TextBox::UserSetsText(std::string text) {
  if (!AcceptsInput() || Raw().text == text) return;
  const int end = CharCount(text);
  ChangeText(std::move(text), end);
}

void TextBox::UserSelects(int start, int length) {
  if (!AcceptsInput()) return;
  const int size = CharCount(Raw().text);
  start = std::clamp(start, 0, size);
  length = std::clamp(length, 0, size - start);
  TextBoxState& state = MutableS();
  state.selStart = start;
  state.selLength = length;
}

void TextBox::Describe(SnapshotFields& out) const {
  out.Text("text", Raw().text);
  out.Number("maxlength", static_cast<long>(Raw().maxLength));
  out.Number("sel", static_cast<long>(Raw().selStart));
  out.Number("sellen", static_cast<long>(Raw().selLength));
}

}  // namespace ui
