#include "mainwindow/device/ShownValues.h"

#include "devicemodel/QuietWrites.h"
#include "mainwindow/editors/ChangeMark.h"
#include "mainwindow/fMain.h"

namespace qvr {

namespace {

void ClearBoxes(ui::ControlArray<ui::TextBox>& boxes) {
  for (const int index : boxes.Indexes()) {
    ShowText(boxes[index], "");
    MarkChanged(boxes[index], false);
  }
}

void ClearChoices(ui::ControlArray<ui::ComboBox>& choices) {
  for (const int index : choices.Indexes()) {
    ui::ComboBox& combo = choices[index];
    // A list-only combo has no text of its own: it shows no entry.
    if (combo.Style() == ui::vbComboDropdown) {
      ShowText(combo, "");
    } else {
      ShowChoice(combo, -1);
    }
    MarkChanged(combo, false);
  }
}

}  // namespace

void ClearShownValues(fMain& window) {
  ClearBoxes(window.txtNci);
  ClearBoxes(window.txtNvi);
  ClearBoxes(window.txtNvo);
  ClearBoxes(window.txtnviset);
  ClearChoices(window.cmb_nci);
  ClearChoices(window.cmb_nvi);
}

}  // namespace qvr
