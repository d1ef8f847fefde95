#pragma once

namespace qvr {

class Program;

// Decoding of the network-variable input boxes into their combos and setting boxes. The input boxes hold
// the values just read while the device is online, and their earlier texts otherwise; a step that fails is
// skipped.

// Inputs 1 and 2 (occupancy: the combo shows the text), 3, 8 and 12 (settings: the setting box gets the
// setting, the combo the function) and 4 and 5 (switches: the combo shows on or off).
void DecodeSharedInputs(Program& program);
// QVR-L2: the combos of the space-comfort inputs 20 to 24 show the inputs' texts unchanged.
void DecodeSpaceComfortInputs(Program& program);

}  // namespace qvr
