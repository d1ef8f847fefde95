#include "platform/ui/StatusBar.h"

#include "platform/ui/Snapshot.h"
#include "platform/ui/UiError.h"

namespace ui {

StatusBar::StatusBar(Form& form, std::string name, int index)
    : StatefulControl(form, std::move(name), index) {}

int StatusBar::AddPanel(std::string text) {
  StatusBarState& state = MutableS();
  state.panels.push_back({std::move(text), {}});
  const int number = static_cast<int>(state.panels.size());
  Notify(Property::PanelText, number);
  return number;
}

int StatusBar::PanelCount() const {
  return static_cast<int>(S().panels.size());
}

StatusBar::Panel StatusBar::Panels(int number) {
  Slot(number);
  return Panel(*this, number);
}

StatusBarState::Panel& StatusBar::Slot(int number) {
  StatusBarState& state = MutableS();
  if (number < 1 || number > static_cast<int>(state.panels.size())) {
    RaiseUiError(platform::kErrIndexOutOfBounds,
                 "Index out of bounds: panel " + std::to_string(number) + " of " + DisplayName());
  }
  return state.panels[static_cast<std::size_t>(number - 1)];
}

const StatusBarState::Panel& StatusBar::Slot(int number) const {
  return const_cast<StatusBar*>(this)->Slot(number);
}

const std::string& StatusBar::Panel::Text() const {
  return bar_.Slot(number_).text;
}

void StatusBar::Panel::SetText(std::string text) {
  std::string& current = bar_.Slot(number_).text;
  if (current == text) return;
  current = std::move(text);
  bar_.Notify(Property::PanelText, number_);
}

const std::string& StatusBar::Panel::ToolTipText() const {
  return bar_.Slot(number_).toolTipText;
}

void StatusBar::Panel::SetToolTipText(std::string text) {
  std::string& current = bar_.Slot(number_).toolTipText;
  if (current == text) return;
  current = std::move(text);
  bar_.Notify(Property::PanelText, number_);
}

void StatusBar::Describe(SnapshotFields& out) const {
  std::vector<std::string> texts;
  std::vector<std::string> tips;
  for (const auto& panel : Raw().panels) {
    texts.push_back(panel.text);
    tips.push_back(panel.toolTipText);
  }
  out.List("panels", texts);
  out.List("paneltips", tips);
}

}  // namespace ui
