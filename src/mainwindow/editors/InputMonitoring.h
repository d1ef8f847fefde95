#pragma once

namespace qvr {

class Program;
class fMain;

// While monitoring is on (chkMonitor ticked), the Object Server stops reporting input `row` of the input
// table while its box holds an edit, so that a value from the device cannot replace the edit, and
// reports it again as soon as the box holds the stored value once more (typed back), so that the box
// never shows a stale value as if it were live. Applying or cancelling the edit, or switching monitoring
// off and on, lifts the suspension as well. With monitoring off nothing is asked of the Object Server.
void SetMonitoringOfEditedInput(Program& program, fMain& window, int row, bool edited);

}  // namespace qvr
