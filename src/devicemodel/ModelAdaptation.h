#pragma once

#include <optional>

#include "datapoints/ModelTable.h"
#include "texts/Language.h"

namespace qvr {

class Program;

// Adapts the program and the main window to the device's family: the space-comfort tabs 6 and 7 are
// hidden for QVR-L1 and shown for QVR-L2, DeviceTypeName names the family, and with a `language` (read
// by this call's settings) DocumentationFile and ReadmeFile are set for it; without one both stay as they
// are. Each step that fails is skipped.
void AdaptMainWindow(Program& program, DeviceFamily family, const std::optional<Language>& language);

// Takes the window back to no family, as the program starts: every tab shown, DeviceTypeName empty, the
// input combos 23 and 24 without entries, the input combos and reset buttons enabled, and no
// DocumentationFile. A device of no supported model then
// looks as it does when it is the first device opened, and has no family's description.
void ForgetFamily(Program& program);

// Gives the input combos 23 and 24 (QVR-L2) exactly the three switch texts off, on and invalid, in the
// user's number format.
void FillSwitchLists(Program& program);

// The input combos of the family (and for QVR-L2 the reset buttons 16 to 19) are enabled while the status
// bar reads "Cnfg Online" exactly, and disabled otherwise.
void ApplyOnlineState(Program& program, DeviceFamily family);

}  // namespace qvr
