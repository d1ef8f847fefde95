#pragma once

#include <string>
#include <vector>

#include "platform/ui/StatefulControl.h"

namespace ui {

struct StatusBarState {
  struct Panel {
    std::string text;
    std::string toolTipText;
    bool operator==(const Panel&) const = default;
  };
  std::vector<Panel> panels;
};

// A status bar of panels numbered from 1.
class StatusBar : public StatefulControl<StatusBarState> {
 public:
  // One panel of the bar, as Panels(i) gives it.
  class Panel {
   public:
    const std::string& Text() const;
    void SetText(std::string text);
    const std::string& ToolTipText() const;
    void SetToolTipText(std::string text);

   private:
    friend class StatusBar;
    Panel(StatusBar& bar, int number) : bar_(bar), number_(number) {}
    StatusBar& bar_;
    int number_;
  };

  StatusBar(Form& form, std::string name, int index = -1);

  std::string_view Kind() const override { return "StatusBar"; }

  // Appends a panel (while the form is designed); returns its number.
  int AddPanel(std::string text = {});
  int PanelCount() const;
  // Panel `number` (1 to PanelCount()); error 35600 otherwise.
  Panel Panels(int number);

  void Describe(SnapshotFields& out) const override;

 private:
  StatusBarState::Panel& Slot(int number);
  const StatusBarState::Panel& Slot(int number) const;
};

}  // namespace ui
