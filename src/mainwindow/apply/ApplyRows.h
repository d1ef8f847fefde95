#pragma once

// The marks of the input and property rows, which Apply, Cancel and opening a device clear.

namespace qvr {

class fMain;

// Gives input box `row` and its companions (combo box, setting box) the normal colour.
void UnmarkInputRow(fMain& window, int row);
// Gives property box `row` and its companion combo boxes the normal colour.
void UnmarkPropertyRow(fMain& window, int row);

}  // namespace qvr
