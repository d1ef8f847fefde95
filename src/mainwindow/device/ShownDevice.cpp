#include "mainwindow/device/ShownDevice.h"
#include "devicemodel/QuietWrites.h"
#include "mainwindow/fMain.h"
#include "program/Program.h"

namespace qvr {

namespace {

std::vector<std::string> ListOf(const ui::ComboBox& combo) {
  std::vector<std::string> entries;
  for (int position = 0; position < combo.ListCount(); ++position) entries.push_back(combo.List(position));
  return entries;
}

void RestoreChoice(ui::ComboBox& combo, const std::vector<std::string>& entries, int choice,
                   const std::string& text) {
  if (ListOf(combo) != entries) {
    combo.Clear();
    for (const std::string& entry : entries) combo.AddItem(entry);
  }
  if (combo.ListIndex() != choice) ShowChoice(combo, choice);
  if (combo.Style() == ui::vbComboDropdown && combo.Text() != text) ShowText(combo, text);
}

void RestoreTabs(ui::TabControl& tabs, const std::vector<std::string>& shown, int tab) {
  for (int index = 0; index < tabs.Tabs(); ++index) tabs.SetTabShown(index, shown[index] == "1");
  if (tabs.Tab() != tab) ShowTab(tabs, tab);
}

}  // namespace

ShownDevice::ShownDevice(fMain& window, Program& program)
    : window_(window),
      program_(program),
      device_(program.framework.CurrentDevice),
      network_(program.framework.CurrentDeviceNetwork),
      tables_(program.datapoints),
      model_(program.model),
      variables_(window.NvCollection),
      monitoring_(window.chkMonitor.Value() != ui::vbUnchecked) {
  for (ui::Control* control : window.Controls()) controls_.push_back(Capture(*control));
}

ShownDevice::ControlState ShownDevice::Capture(ui::Control& control) {
  ControlState state{&control, control.Enabled(), control.Visible(), control.ForeColor(), {}, {}, -1, 0};
  if (auto* box = dynamic_cast<ui::TextBox*>(&control)) {
    state.text = box->Text();
    state.choice = box->SelStart();
    state.selected = box->SelLength();
  } else if (auto* combo = dynamic_cast<ui::ComboBox*>(&control)) {
    state.entries = ListOf(*combo);
    state.choice = combo->ListIndex();
    state.text = combo->Text();
  } else if (auto* label = dynamic_cast<ui::Label*>(&control)) {
    state.text = label->Caption();
  } else if (auto* bar = dynamic_cast<ui::StatusBar*>(&control)) {
    for (int panel = 1; panel <= bar->PanelCount(); ++panel)
      state.entries.push_back(bar->Panels(panel).Text());
  } else if (auto* tabs = dynamic_cast<ui::TabControl*>(&control)) {
    for (int tab = 0; tab < tabs->Tabs(); ++tab) state.entries.emplace_back(tabs->TabShown(tab) ? "1" : "0");
    state.choice = tabs->Tab();
  }
  return state;
}

void ShownDevice::Restore(const ControlState& state) {
  ui::Control& control = *state.control;
  if (auto* box = dynamic_cast<ui::TextBox*>(&control)) {
    if (box->Text() != state.text) ShowText(*box, state.text);
    box->SetSelStart(state.choice);
    box->SetSelLength(state.selected);
  } else if (auto* combo = dynamic_cast<ui::ComboBox*>(&control)) {
    RestoreChoice(*combo, state.entries, state.choice, state.text);
  } else if (auto* label = dynamic_cast<ui::Label*>(&control)) {
    if (label->Caption() != state.text) label->SetCaption(state.text);
  } else if (auto* bar = dynamic_cast<ui::StatusBar*>(&control)) {
    for (int panel = 1; panel <= bar->PanelCount(); ++panel)
      bar->Panels(panel).SetText(state.entries[static_cast<std::size_t>(panel - 1)]);
  } else if (auto* tabs = dynamic_cast<ui::TabControl*>(&control)) {
    RestoreTabs(*tabs, state.entries, state.choice);
  }
  if (control.ForeColor() != state.foreColor) control.SetForeColor(state.foreColor);
  if (control.Visible() != state.visible) control.SetVisible(state.visible);
  if (control.Enabled() != state.enabled) control.SetEnabled(state.enabled);
}

void ShownDevice::PutBack() const {
  program_.framework.CurrentDevice = device_;
  program_.framework.CurrentDeviceNetwork = network_;
  program_.datapoints = tables_;
  program_.model = model_;
  // The new device's command handed the server the separator it read: the shown values' texts are the old
  // one's, which Apply must parse them with. A window that showed no device has no separator to give.
  if (!model_.DecimalSep.empty()) window_.lcaOS().PutDecimalSeparator(model_.DecimalSep);
  window_.NvCollection = variables_;
  for (const ControlState& state : controls_) Restore(state);
  // Ticking the box starts monitoring through its handler, as the user's tick does.
  if (monitoring_) window_.chkMonitor.SetValue(ui::vbChecked);
}

}  // namespace qvr
