#pragma once

namespace qvr {

class Program;
class fProgress;

// Moves the progress window to where it stands while the main window starts: below the middle of the
// screen, over the lower part of the splash window, offset by the main window's size.
void PlaceProgressForMainWindow(Program& program, fProgress& progress);

}  // namespace qvr
