#include "platform/ui/ComboBox.h"

#include <algorithm>

#include "platform/runtime/RuntimeErrors.h"
#include "platform/ui/Snapshot.h"
#include "platform/ui/UiError.h"

namespace ui {

ComboBox::ComboBox(Form& form, std::string name, int index) : StatefulControl(form, std::move(name), index) {}

int ComboBox::Style() const {
  return S().style;
}

void ComboBox::SetStyle(int style) {
  if (style != vbComboDropdown && style != vbComboDropdownList) {
    RaiseUiError(platform::kErrInvalidPropertyValue,
                 "Invalid property value: combo-box style " + std::to_string(style));
  }
  Assign(&ComboBoxState::style, style, Property::Style);
}

void ComboBox::AddItem(std::string item, int position) {
  ComboBoxState& state = MutableS();
  const int count = static_cast<int>(state.items.size());
  if (position == -1) position = count;
  if (position < 0 || position > count) {
    runtime::RaiseInvalidCall("ui", "AddItem at " + std::to_string(position));
  }
  state.items.insert(state.items.begin() + position, std::move(item));
  if (state.listIndex >= position) ++state.listIndex;
  Notify(Property::ListItems, position);
}

void ComboBox::Clear() {
  ComboBoxState& state = MutableS();
  state.items.clear();
  state.listIndex = -1;
  state.text.clear();
  Notify(Property::ListItems);
  Notify(Property::ListIndex);
  Notify(Property::Text);
}

int ComboBox::ListCount() const {
  return static_cast<int>(S().items.size());
}

const std::string& ComboBox::List(int position) const {
  const ComboBoxState& state = S();
  if (position < 0 || position >= static_cast<int>(state.items.size())) {
    RaiseUiError(platform::kErrInvalidPropertyValue,
                 "Invalid property value: list entry " + std::to_string(position));
  }
  return state.items[static_cast<std::size_t>(position)];
}

int ComboBox::ListIndex() const {
  return S().listIndex;
}

void ComboBox::SetListIndex(int index) {
  if (index < -1 || index >= ListCount()) {
    RaiseUiError(platform::kErrInvalidPropertyValue,
                 "Invalid property value: ListIndex " + std::to_string(index));
  }
  Select(index);
}

void ComboBox::Select(int index) {
  ComboBoxState& state = MutableS();
  if (state.listIndex == index) return;
  state.listIndex = index;
  state.text = index < 0 ? std::string() : state.items[static_cast<std::size_t>(index)];
  Notify(Property::ListIndex);
  Notify(Property::Text);
  if (OnClick) OnClick();
}

const std::string& ComboBox::Text() const {
  return S().text;
}

void ComboBox::SetText(std::string text) {
  const ComboBoxState& state = S();
  if (state.style == vbComboDropdownList) {
    auto found = std::find(state.items.begin(), state.items.end(), text);
    if (found == state.items.end()) {
      RaiseUiError(platform::kErrReadOnlyText,
                   "'Text' property is read-only: \"" + text + "\" is not in the list of " + DisplayName());
    }
    Select(static_cast<int>(found - state.items.begin()));
    return;
  }
  EditText(std::move(text));
}

void ComboBox::EditText(std::string text) {
  ComboBoxState& state = MutableS();
  if (state.text == text) return;
  auto found = std::find(state.items.begin(), state.items.end(), text);
  state.listIndex = found == state.items.end() ? -1 : static_cast<int>(found - state.items.begin());
  state.text = std::move(text);
  Notify(Property::Text);
  Notify(Property::ListIndex);
  if (OnChange) OnChange();
}

void ComboBox::UserSelects(int index) {
  if (!AcceptsInput()) return;
  FocusByUser();
  // The focus handlers may have changed the list.
  if (index < 0 || index >= static_cast<int>(Raw().items.size())) return;
  Select(index);
}

void ComboBox::UserEditsText(std::string text) {
  if (!AcceptsInput() || Raw().style != vbComboDropdown) return;
  FocusByUser();
  EditText(std::move(text));
}

void ComboBox::Describe(SnapshotFields& out) const {
  out.Text("text", Raw().text);
  out.List("list", Raw().items);
  out.Number("listindex", static_cast<long>(Raw().listIndex));
  out.Number("style", static_cast<long>(Raw().style));
}

}  // namespace ui
