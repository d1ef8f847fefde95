#pragma once

#include <string>

#include "platform/ErrorNumbers.h"
#include "platform/runtime/ProgramName.h"

namespace runtime {

// The errors that the runtime raises for the system's own code carry the program's name as their source.

// Each raises its error with the runtime's own description; a `detail` follows it after ": ".
[[noreturn]] void RaiseInvalidCall(const std::string& source, const std::string& detail = {});
[[noreturn]] void RaiseOverflow(const std::string& source = kProgramName, const std::string& detail = {});
[[noreturn]] void RaiseTypeMismatch(const std::string& source = kProgramName);
[[noreturn]] void RaiseFileNotFound(const std::string& source, const std::string& detail);
[[noreturn]] void RaiseObjectNotSet(const std::string& source = kProgramName);

}  // namespace runtime
