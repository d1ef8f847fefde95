#pragma once

#include <string>

#include "platform/ErrorNumbers.h"

namespace qvr {

// The one description that is the same in every language.
inline constexpr const char* kObjectNotFoundText = "Object not found";

// Raises an error to the host: `number`, the project name as source, and `description`.
[[noreturn]] void RaiseToHost(long number, const std::string& description);

}  // namespace qvr
