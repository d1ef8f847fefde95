#pragma once

namespace qvr {

class Program;

// Takes the progress window and the splash window off the screen (unloads both; the normal mouse pointer
// comes back with the progress window's unload). Either is loaded again, from its design, when next used.
void CloseProgressWindows(Program& program);

}  // namespace qvr
