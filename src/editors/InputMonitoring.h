#pragma once

namespace qvr {

class Program;
class fMain;

// While monitoring is on (chkMonitor ticked), the Object Server stops reporting input `row` of the input
// table: the user is editing it, and a value from the device must not replace the edit. Applying or
// cancelling the edit, or switching monitoring off and on, lifts the suspension.
void SuspendMonitoringOfEditedInput(Program& program, fMain& window, int row);

}  // namespace qvr
