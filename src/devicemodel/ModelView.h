#pragma once

#include "platform/ui/ComboBox.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/ControlArray.h"
#include "platform/ui/RichTextBox.h"
#include "platform/ui/TabControl.h"
#include "platform/ui/TextBox.h"

namespace qvr {

// The main window's controls that the device model reads and adapts to a model. The main window implements
// it and hands itself to the program while it exists (Program::ModelWindow()), so that the device model needs
// nothing else of the window.
class ModelView {
 public:
  virtual ui::ControlArray<ui::TextBox>& PropertyBoxes() = 0;      // txtNci
  virtual ui::ControlArray<ui::ComboBox>& PropertyChoices() = 0;   // cmb_nci
  virtual ui::ControlArray<ui::TextBox>& InputBoxes() = 0;         // txtNvi
  virtual ui::ControlArray<ui::TextBox>& InputSettingBoxes() = 0;  // txtnviset
  virtual ui::ControlArray<ui::ComboBox>& InputChoices() = 0;      // cmb_nvi
  virtual ui::ControlArray<ui::CommandButton>& InputResets() = 0;  // cmd_Nvi_Reset
  virtual ui::TabControl& DataTabs() = 0;                          // tabData
  virtual ui::RichTextBox& HintPane() = 0;                         // RTHinweis
  // True when the status bar shows the device online; a status bar that cannot be read raises.
  virtual bool DeviceShownOnline() = 0;

 protected:
  ~ModelView() = default;
};

}  // namespace qvr
