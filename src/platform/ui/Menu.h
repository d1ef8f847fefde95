#pragma once

#include <functional>
#include <string>

#include "platform/ui/StatefulControl.h"

namespace ui {

struct MenuState {
  std::string caption;
  bool checked = false;
};

// A menu of the form's menu bar or an entry of a menu (SetParentMenu). The caption "-" makes a separator;
// "&" marks the access key.
class Menu : public StatefulControl<MenuState> {
 public:
  Menu(Form& form, std::string name, int index = -1);

  std::string_view Kind() const override { return "Menu"; }

  const std::string& Caption() const;
  void SetCaption(std::string caption);
  bool Checked() const;
  void SetChecked(bool checked);
  // Puts this entry into `parent` (while the form is designed).
  void SetParentMenu(Menu& parent);

  bool IsSeparator() const;
  // The access key (the character after a single "&", as typed), or 0.
  char AccessKey() const;
  // The caption as shown: "&&" becomes "&", a single "&" disappears.
  std::string ShownCaption() const;

  std::function<void()> OnClick;

  // User input, for a back end: the user chose the entry. Ignored while the form is unloaded, for a
  // separator, or when the entry or one of its parent menus is disabled or hidden.
  void UserClicks();

  void Describe(SnapshotFields& out) const override;
};

}  // namespace ui
