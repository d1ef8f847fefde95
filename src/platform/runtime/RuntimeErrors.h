#pragma once

#include <string>

#include "platform/ErrorNumbers.h"

namespace runtime {

// The running program's name: the source of the errors that the runtime raises for the system's own code.
inline constexpr const char* kProgramName = "Calyxtern_qvr_lon_PlugIn";

// Each raises its error with the runtime's own description; a `detail` follows it after ": ".
[[noreturn]] void RaiseInvalidCall(const std::string& source, const std::string& detail = {});
[[noreturn]] void RaiseOverflow(const std::string& source = kProgramName, const std::string& detail = {});
[[noreturn]] void RaiseTypeMismatch(const std::string& source = kProgramName);
[[noreturn]] void RaiseFileNotFound(const std::string& source, const std::string& detail);
[[noreturn]] void RaiseObjectNotSet(const std::string& source = kProgramName);

}  // namespace runtime
