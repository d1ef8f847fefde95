#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/StatefulControl.h"

namespace ui {

// Combo-box styles: an edit field with a drop-down list, or a drop-down list alone.
inline constexpr int vbComboDropdown = 0;
inline constexpr int vbComboDropdownList = 2;

struct ComboBoxState {
  std::vector<std::string> items;
  int listIndex = -1;
  std::string text;
  int style = vbComboDropdown;
};

class ComboBox : public StatefulControl<ComboBoxState> {
 public:
  ComboBox(Form& form, std::string name, int index = -1);

  std::string_view Kind() const override { return "ComboBox"; }
  bool Focusable() const override { return true; }

  int Style() const;
  // vbComboDropdown or vbComboDropdownList; anything else raises error 380.
  void SetStyle(int style);

  // Adds an entry at the end or at `position` (0 to ListCount; error 5 otherwise); the selected entry
  // stays selected.
  void AddItem(std::string item, int position = -1);
  // Empties the list and the text; no event.
  void Clear();
  int ListCount() const;
  // Entry `position`; error 380 outside the list.
  const std::string& List(int position) const;

  // The selected entry, -1 for none. Setting another entry shows its text and raises Click; -1 empties
  // the text. Error 380 outside -1 to ListCount - 1.
  int ListIndex() const;
  void SetListIndex(int index);

  const std::string& Text() const;
  // Drop-down list: selects the entry with this text (Click) or raises error 383 when there is none.
  // Drop-down combo: sets the edit text (selecting the entry of the same text, without Click) and
  // raises Change when it differs.
  void SetText(std::string text);

  std::function<void()> OnClick;   // the selection changed
  std::function<void()> OnChange;  // the edit text of a drop-down combo changed

  // User input, for a back end. Ignored while the form is unloaded or the box disabled. Both move the
  // focus here first (GotFocus), as a click does.
  //  UserSelects: the user picked entry `index` from the list: Click when it is another entry.
  //  UserEditsText: the user edited the text of a drop-down combo: Change.
  void UserSelects(int index);
  void UserEditsText(std::string text);

  void Describe(SnapshotFields& out) const override;

 private:
  void Select(int index);
  void EditText(std::string text);
};

}  // namespace ui
