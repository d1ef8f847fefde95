#pragma once

#include "datapoints/ModelTable.h"

namespace qvr {

class Program;

// Splits the values that the main window has just read into its boxes into the editing controls of the
// device's family: the combo boxes, the setting boxes and the sub-field boxes, with the composite parts
// kept in program.model. QVR-L2 adds the set points, valve count, heating and cooling mode, the
// space-comfort inputs and the override bit of the light controllers' parameters. Ends with the online
// test. Nothing is written to the device; the only stored value that changes is that of the set points,
// rewritten into their dotted form with the decimal comma. Each step that fails is skipped.
void DecodeValues(Program& program, DeviceFamily family);

}  // namespace qvr
