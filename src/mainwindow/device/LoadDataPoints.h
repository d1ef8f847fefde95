#pragma once

#include "platform/ui/ControlArray.h"
#include "platform/ui/TextBox.h"

namespace qvr {

class Program;

// The main window's value boxes: row k of a table shows in box k of its array.
struct DataPointBoxes {
  ui::ControlArray<ui::TextBox>* nci;
  ui::ControlArray<ui::TextBox>* nvi;
  ui::ControlArray<ui::TextBox>* nvo;
};

// Builds the data-point tables (program.datapoints) for program.framework.CurrentDevice by the family of
// its program ID: QVR-L2 (25 inputs, 20 outputs, 56 properties) or QVR-L1 (15, 9, 37). Each input and
// output row gets the value read from the device now; every row is bound to its box in `boxes`. Steps that
// fail are passed over and nothing is reported: a variable that cannot be fetched or read leaves the row's
// value empty, and a device of another model (or one whose program ID cannot be read) sets the three counts
// to 0. No value of an earlier device is ever left in a row in use.
void LoadDataPoints(Program& program, const DataPointBoxes& boxes);

}  // namespace qvr
