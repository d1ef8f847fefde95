#pragma once

namespace qvr {

// The project name: program file, error source, registry key and COM ProgID prefix.
inline constexpr const char* kProjectName = "Calyxtern_qvr_lon_PlugIn";
inline constexpr const char* kProgId = "Calyxtern_qvr_lon_PlugIn.LNSPlugInAPI";
// The plug-in's key under HKEY_LOCAL_MACHINE.
inline constexpr const char* kPlugInKey = "SOFTWARE\\LonWorks\\LCA\\Plug-Ins\\Calyxtern_qvr_lon_PlugIn";

}  // namespace qvr
