#pragma once

#include "framework/PlugInIdentity.h"
#include "platform/Error.h"

namespace qvr {

// Fails the way converting a text that is no number does (error 13).
[[noreturn]] inline void RaiseTypeMismatch() {
  throw platform::RaisedError(13, kProjectName, "Type mismatch");
}

}  // namespace qvr
