#pragma once

namespace runtime {

// The program's name, the one home of it: the program file, the source of the errors it raises, and what
// the plug-in's identity (ProgID, registry keys, names on the bus) is made from.
inline constexpr const char* kProgramName = "Calyxtern_qvr_lon_PlugIn";

}  // namespace runtime
