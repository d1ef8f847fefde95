#pragma once

#include "platform/Error.h"
#include "platform/ErrorNumbers.h"

#include <string>

namespace ui {

// Raises a platform::RaisedError with `number`, the source "ui" and `description`.
[[noreturn]] void RaiseUiError(long number, const std::string& description);

}  // namespace ui
