#pragma once

namespace qvr {

class fMain;

// Empties every control of the main window that shows a device's value (the value boxes of properties,
// inputs and outputs with their sub-field and setting boxes, and the companion choices) and takes their
// change marks off, without running their handlers. A device being opened then shows only what was read
// from it: a value that could not be read stays an empty box, never the value of the device before.
void ClearShownValues(fMain& window);

}  // namespace qvr
