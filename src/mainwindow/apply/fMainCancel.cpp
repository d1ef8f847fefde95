// Cancel: every edit that has not been written is discarded; the boxes show the stored values again.

#include <cstddef>
#include <exception>

#include "mainwindow/apply/ApplyRows.h"
#include "mainwindow/apply/fGeraeteauswahl.h"
#include "mainwindow/editors/ChangeMark.h"
#include "mainwindow/editors/CompositeValues.h"
#include "mainwindow/fMain.h"
#include "platform/lns/LnsObjectModel.h"
#include "platform/runtime/Present.h"
#include "program/Program.h"

namespace qvr {

namespace {

// The composite rows and their sub-field boxes (consecutive from `firstBox`), which get the device's
// values of the parts back before the row box gets its stored value.
struct CompositeRow {
  int row;
  int firstBox;
  int boxCount;
};

constexpr CompositeRow kCompositeRows[] = {{0, 80, 2}, {1, 82, 2}, {21, 90, 2}, {32, 92, 2}, {49, 70, 6}};

const CompositeRow* FindCompositeRow(int row) {
  for (const CompositeRow& composite : kCompositeRows) {
    if (composite.row == row) return &composite;
  }
  return nullptr;
}

// A red input shows its stored value again. Monitoring, which editing may have suspended, is resumed
// before and after, since the new text runs the box's change handling.
void RestoreInput(fMain& window, Program& program, int row) {
  const DataPoint& input = program.datapoints.NviTable.at(static_cast<std::size_t>(row));
  ui::TextBox& box = runtime::Present(input.NviTextBox);
  if (!IsMarkedChanged(box)) return;
  lns::LnsNetworkVariable variable = runtime::Present(window.NvCollection).ItemByIndex(input.NviIndex);
  variable.PutMonitorSuspended(false);
  box.SetText(input.NviValue);
  UnmarkInputRow(window, row);
  variable.PutMonitorSuspended(false);
}

void RestoreProperty(fMain& window, Program& program, int row) {
  const DataPoint& property = program.datapoints.NciTable.at(static_cast<std::size_t>(row));
  // A property that could not be read has no stored value: an empty text is no value of it, and the
  // box's change handling would only put the same nothing back. The box keeps what it shows.
  if (property.NciValue.empty()) return;
  ui::TextBox& box = runtime::Present(property.NciTextBox);
  const CompositeRow* composite = FindCompositeRow(row);
  if (composite != nullptr) {
    for (int subField = composite->firstBox; subField < composite->firstBox + composite->boxCount;
         ++subField) {
      ui::TextBox& subFieldBox = window.txtNci[subField];
      subFieldBox.SetText(program.model.*runtime::Present(FindSubField(subField)).part);
      MarkChanged(subFieldBox, false);
    }
  }
  box.SetText(property.NciValue);
  UnmarkPropertyRow(window, row);
}

}  // namespace

void fMain::cmdCancel_Click() {
  if (ApplyRunning()) return;
  ui::Screen& screen = program_.Ui().Screen();
  const DataPointTables& tables = program_.datapoints;
  try {
    for (int row = 0; row < tables.NviCount; ++row) RestoreInput(*this, program_, row);
    screen.SetMousePointer(ui::vbHourglass);
    for (int row = 0; row < tables.NciCount; ++row) RestoreProperty(*this, program_, row);
    screen.SetMousePointer(ui::vbDefault);
    cmdApply.SetEnabled(false);
    cmdCancel.SetEnabled(false);
  } catch (const std::exception&) {
    program_.Ui().MsgBox("Error: cmdCancel(fMain)", ui::vbOKOnly);
    screen.SetMousePointer(ui::vbDefault);
    cmdApply.SetEnabled(false);
    cmdCancel.SetEnabled(false);
    // The selection goes with the failed restore, so that no transfer starts from boxes half restored.
    program_.Windows().Unload<fGeraeteauswahl>();
    program_.mainwindow.SelectedCount = 0;
  }
}

}  // namespace qvr
