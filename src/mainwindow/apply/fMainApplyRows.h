#pragma once

// The input rows of Apply and their marks; for Apply's and Cancel's files.

#include "mainwindow/apply/fMainApplyRun.h"

namespace qvr {

class Program;

// Gives input box `row` and its companions (combo box, setting box) the normal colour.
void UnmarkNviRow(fMain& window, int row);

// Writes the text of input box `row` to the current device, logs it with the value read back and unmarks
// the box. A failure first puts the input's stored value back into the box (the retries write that).
// False after Abort.
bool WriteNviRow(fMain& window, Program& program, fMain::ApplyRun& run, int row);

}  // namespace qvr
