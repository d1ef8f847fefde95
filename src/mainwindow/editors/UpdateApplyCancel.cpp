// Apply and Cancel are offered exactly while a row box holds an edit.

#include "mainwindow/editors/MarkedRows.h"
#include "mainwindow/fMain.h"
#include "program/Program.h"

namespace qvr {

void fMain::UpdateApplyCancel() {
  const DataPointTables& tables = program_.datapoints;
  const bool changed = AnyPropertyMarked(tables) || AnyInputMarked(tables);
  cmdApply.SetEnabled(changed);
  cmdCancel.SetEnabled(changed);
}

}  // namespace qvr
