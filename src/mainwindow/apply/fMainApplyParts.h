#pragma once

// The composite parts after Apply has written; for Apply's files.

namespace qvr {

class ApplyRun;
class Program;
class fMain;

// Sets the parts of every composite row that is no longer red again from the row's text (the set points of
// the larger models from their sub-field boxes, rebuilding the row's stored value), and unmarks its
// sub-field boxes. Each row is one step of the Apply run in progress; false when the run ended.
bool RefreshCompositeParts(fMain& window, ApplyRun& run, Program& program);

}  // namespace qvr
