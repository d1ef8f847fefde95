#include "mainwindow/design/SetLanguageTexts.h"

#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/Control.h"
#include "platform/ui/Frame.h"
#include "platform/ui/Label.h"
#include "platform/ui/Menu.h"
#include "platform/ui/RichTextBox.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/TextBox.h"
#include "program/Program.h"
#include "services/InterfaceLanguage.h"
#include "texts/WindowTexts.h"

namespace qvr {

namespace {

ui::Control* FindControl(ui::Form& window, const WindowText& text) {
  // A panel tool tip names the status bar and its panel, not an array element.
  const int index = text.target == TextTarget::PanelToolTip ? -1 : text.index;
  for (ui::Control* control : window.Controls()) {
    if (control->Name() == text.control && control->Index() == index) return control;
  }
  return nullptr;
}

void SetCaption(ui::Control& control, const std::string& caption) {
  if (auto* label = dynamic_cast<ui::Label*>(&control)) return label->SetCaption(caption);
  if (auto* button = dynamic_cast<ui::CommandButton*>(&control)) return button->SetCaption(caption);
  if (auto* check = dynamic_cast<ui::CheckBox*>(&control)) return check->SetCaption(caption);
  if (auto* frame = dynamic_cast<ui::Frame*>(&control)) return frame->SetCaption(caption);
  if (auto* menu = dynamic_cast<ui::Menu*>(&control)) return menu->SetCaption(caption);
}

void SetText(ui::Control& control, const std::string& text) {
  if (auto* box = dynamic_cast<ui::TextBox*>(&control)) return box->SetText(text);
  if (auto* rich = dynamic_cast<ui::RichTextBox*>(&control)) return rich->SetText(text);
}

// A combo box's list is replaced as a whole: its first entry clears the design list.
void SetListItem(ui::Control& control, const WindowText& text) {
  auto* combo = dynamic_cast<ui::ComboBox*>(&control);
  if (!combo) return;
  if (text.item == 0) combo->Clear();
  combo->AddItem(text.text);
}

void Apply(ui::Form& window, const WindowText& text) {
  if (text.target == TextTarget::Caption && text.control == window.Name())
    return window.SetCaption(text.text);
  ui::Control* control = FindControl(window, text);
  if (!control) return;  // a control this build of the window does not have
  switch (text.target) {
    case TextTarget::Caption:
      return SetCaption(*control, text.text);
    case TextTarget::ToolTip:
      return control->SetToolTipText(text.text);
    case TextTarget::PanelToolTip:
      if (auto* bar = dynamic_cast<ui::StatusBar*>(control))
        bar->Panels(text.index).SetToolTipText(text.text);
      return;
    case TextTarget::ListItem:
      return SetListItem(*control, text);
    case TextTarget::Text:
      return SetText(*control, text.text);
  }
}

}  // namespace

Language SetLanguageTexts(Program& program, ui::Form& window, int windowNumber) {
  const Language language = InterfaceLanguage(program.Err, program.Registry());
  if (windowNumber == kMainWindowTexts) FillTextTables(language, program.texts);
  for (const WindowText& text : WindowTexts(windowNumber, language)) Apply(window, text);
  return language;
}

}  // namespace qvr
