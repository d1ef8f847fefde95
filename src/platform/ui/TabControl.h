#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/StatefulControl.h"

namespace ui {

struct TabControlState {
  struct Tab {
    std::string caption;
    bool shown = true;
    bool operator==(const Tab&) const = default;
  };
  std::vector<Tab> tabs;
  int current = 0;
};

// Tabs numbered from 0, each a page that holds controls (Control::SetContainer(tabs, page)).
class TabControl : public StatefulControl<TabControlState> {
 public:
  TabControl(Form& form, std::string name, int index = -1);

  std::string_view Kind() const override { return "TabControl"; }
  bool Focusable() const override { return true; }

  // Appends a tab (while the form is designed); returns its number.
  int AddTab(std::string caption);
  int Tabs() const;
  // The tab functions below raise error 380 for a tab outside 0 to Tabs() - 1.
  const std::string& TabCaption(int tab) const;
  bool TabShown(int tab) const;
  // Hiding the current tab makes the next shown tab current (Click), when there is one.
  void SetTabShown(int tab, bool shown);

  // The current tab. Making another tab current raises Click with the previous tab; a hidden tab cannot
  // become current (error 380).
  int Tab() const;
  void SetTab(int tab);

  std::function<void(int previousTab)> OnClick;

  // User input, for a back end: the user chose a tab. Ignored while the form is unloaded, the control
  // disabled, or the tab hidden or unknown; otherwise the focus moves here, then the tab becomes current.
  void UserSelectsTab(int tab);

  void Describe(SnapshotFields& out) const override;

 private:
  void CheckTab(int tab) const;
  void MakeCurrent(int tab);
};

}  // namespace ui
