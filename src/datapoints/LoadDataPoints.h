#pragma once

namespace qvr {

class Program;

// Builds the data-point tables (program.datapoints) for program.framework.CurrentDevice by the family of
// its program ID: QVR-L2 (25 inputs, 20 outputs, 56 properties) or QVR-L1 (15, 9, 37). Each input and
// output row gets the value read from the device now; every row is bound to its box of the main window's
// txtNvi, txtNvo or txtNci. Steps that fail are passed over and nothing is reported: a variable that cannot
// be fetched or read keeps the row's earlier value, and a device of another model (or one whose program ID
// cannot be read) leaves the tables and counts as they were.
void LoadDataPoints(Program& program);

}  // namespace qvr
