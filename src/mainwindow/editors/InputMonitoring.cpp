#include "mainwindow/editors/InputMonitoring.h"

#include <cstddef>

#include "mainwindow/fMain.h"
#include "platform/runtime/Present.h"
#include "program/Program.h"

namespace qvr {

void SetMonitoringOfEditedInput(Program& program, fMain& window, int row, bool edited) {
  if (window.chkMonitor.Value() != ui::vbChecked) return;
  const DataPoint& input = program.datapoints.NviTable.at(static_cast<std::size_t>(row));
  runtime::Present(window.NvCollection).ItemByIndex(input.NviIndex).PutMonitorSuspended(edited);
}

}  // namespace qvr
