#pragma once

#include <string>

#include "platform/runtime/ProgramName.h"

namespace qvr {

// The project name: program file, error source, registry key, COM ProgID prefix and the names on the bus.
inline constexpr const char* kProjectName = runtime::kProgramName;
inline const std::string kProgId = std::string(kProjectName) + ".LNSPlugInAPI";
// The class id of LNSPlugInAPI, registered with the ProgID by " /regserver".
inline constexpr const char* kClassId = "{1156D7E7-9556-489E-A294-95BE5232046E}";
// The plug-in's key under HKEY_LOCAL_MACHINE.
inline const std::string kPlugInKey = std::string("SOFTWARE\\LonWorks\\LCA\\Plug-Ins\\") + kProjectName;
// The parent of the plug-in's application settings under HKEY_CURRENT_USER (a section name follows).
inline const std::string kAppSettingsKey =
    std::string("SOFTWARE\\LonWorks\\LCA\\Applets\\") + kProjectName + "\\";
// What the plug-in tells directors about itself (the plug-in object's properties, the plug-in key's values).
inline constexpr const char* kManufacturerId = "1048430";
inline constexpr const char* kManufacturerName = "Calyxtern Orvalis GmbH";
inline constexpr const char* kPlugInVersion = "1.5";
inline constexpr const char* kLcaVersion = "3.0";

}  // namespace qvr
