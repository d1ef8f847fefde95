#pragma once

// The input rows of Apply and their marks; for Apply's and Cancel's files.

#include "mainwindow/apply/fMainApplyRun.h"

namespace qvr {

class Program;

// Gives input box `row` and its companions (combo box, setting box) the normal colour.
void UnmarkNviRow(fMain& window, int row);

// Writes the text of input box `row` to the current device and, when the write was done, logs it with the
// value read back and unmarks the box. A write passed over leaves the user's value in the box, marked. The
// write's outcome; RunEnded after Abort.
fMain::StepOutcome WriteNviRow(fMain& window, Program& program, fMain::ApplyRun& run, int row);

}  // namespace qvr
