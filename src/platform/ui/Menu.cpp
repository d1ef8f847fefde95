#include "platform/ui/Menu.h"

#include "platform/ui/Snapshot.h"

namespace ui {

Menu::Menu(Form& form, std::string name, int index) : StatefulControl(form, std::move(name), index) {}

const std::string& Menu::Caption() const {
  return S().caption;
}
void Menu::SetCaption(std::string caption) {
  Assign(&MenuState::caption, std::move(caption), Property::Caption);
}
bool Menu::Checked() const {
  return S().checked;
}
void Menu::SetChecked(bool checked) {
  Assign(&MenuState::checked, checked, Property::Value);
}

void Menu::SetParentMenu(Menu& parent) {
  PlaceIn(parent);
}

bool Menu::IsSeparator() const {
  return Caption() == "-";
}

char Menu::AccessKey() const {
  const std::string& caption = Caption();
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return caption[i + 1];
    ++i;
  }
  return 0;
}

std::string Menu::ShownCaption() const {
  const std::string& caption = Caption();
  std::string shown;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != '&') {
      shown += caption[i];
    } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
      shown += '&';
      ++i;
    }
  }
  return shown;
}

void Menu::UserClicks() {
  if (!AcceptsInput() || IsSeparator()) return;
  for (const Control* at = this; at; at = at->GetContainer().control) {
    if (!at->RawEnabled() || !at->RawVisible()) return;
  }
  if (OnClick) OnClick();
}

void Menu::Describe(SnapshotFields& out) const {
  out.Text("caption", Raw().caption);
  out.Flag("checked", Raw().checked);
}

}  // namespace ui
