#include "platform/ui/TabControl.h"

#include "platform/ui/Snapshot.h"
#include "platform/ui/UiError.h"

namespace ui {

TabControl::TabControl(Form& form, std::string name, int index)
    : StatefulControl(form, std::move(name), index) {}

int TabControl::AddTab(std::string caption) {
  TabControlState& state = MutableS();
  state.tabs.push_back({std::move(caption), true});
  const int tab = static_cast<int>(state.tabs.size()) - 1;
  Notify(Property::TabCaption, tab);
  return tab;
}

int TabControl::Tabs() const {
  return static_cast<int>(S().tabs.size());
}

void TabControl::CheckTab(int tab) const {
  if (tab < 0 || tab >= Tabs()) {
    RaiseUiError(platform::kErrInvalidPropertyValue,
                 "Invalid property value: " + DisplayName() + " has no tab " + std::to_string(tab));
  }
}

const std::string& TabControl::TabCaption(int tab) const {
  CheckTab(tab);
  return S().tabs[static_cast<std::size_t>(tab)].caption;
}

bool TabControl::TabShown(int tab) const {
  CheckTab(tab);
  return S().tabs[static_cast<std::size_t>(tab)].shown;
}

void TabControl::SetTabShown(int tab, bool shown) {
  CheckTab(tab);
  TabControlState& state = MutableS();
  bool& current = state.tabs[static_cast<std::size_t>(tab)].shown;
  if (current == shown) return;
  current = shown;
  Notify(Property::TabShown, tab);
  if (shown || state.current != tab) return;
  const int count = static_cast<int>(state.tabs.size());
  for (int step = 1; step < count; ++step) {
    const int next = (tab + step) % count;
    if (state.tabs[static_cast<std::size_t>(next)].shown) {
      MakeCurrent(next);
      return;
    }
  }
}

int TabControl::Tab() const {
  return S().current;
}

void TabControl::SetTab(int tab) {
  if (!TabShown(tab)) {
    RaiseUiError(platform::kErrInvalidPropertyValue, "Invalid property value: tab " + std::to_string(tab) +
                                                         " of " + DisplayName() + " is hidden");
  }
  MakeCurrent(tab);
}

void TabControl::MakeCurrent(int tab) {
  TabControlState& state = MutableS();
  if (state.current == tab) return;
  const int previous = state.current;
  state.current = tab;
  Notify(Property::CurrentTab);
  if (OnClick) OnClick(previous);
}

void TabControl::UserSelectsTab(int tab) {
  if (!AcceptsInput()) return;
  FocusByUser();
  const auto& tabs = Raw().tabs;
  if (tab < 0 || tab >= static_cast<int>(tabs.size()) || !tabs[static_cast<std::size_t>(tab)].shown) return;
  MakeCurrent(tab);
}

void TabControl::Describe(SnapshotFields& out) const {
  std::vector<std::string> captions;
  std::string shown;
  for (const auto& tab : Raw().tabs) {
    captions.push_back(tab.caption);
    shown += tab.shown ? '1' : '0';
  }
  out.List("tabs", captions);
  out.Text("shown", shown);
  out.Number("tab", static_cast<long>(Raw().current));
}

}  // namespace ui
