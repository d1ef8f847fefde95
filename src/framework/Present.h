#pragma once

#include <optional>

#include "framework/HostErrors.h"
#include "framework/PlugInIdentity.h"
#include "platform/Error.h"

namespace qvr {

// Fails the way using an object variable that nothing was bound to does (error 91).
[[noreturn]] inline void RaiseObjectNotSet() {
  throw platform::RaisedError(kErrObjectNotSet, kProjectName,
                              "Object variable or With block variable not set");
}

// An object that an earlier step should have set (an optional or a pointer). When that step failed and the
// routine went on, using the object raises error 91, so the next step reports the failure too.
template <class T>
T& Present(std::optional<T>& object) {
  if (!object) RaiseObjectNotSet();
  return *object;
}

template <class T>
const T& Present(const std::optional<T>& object) {
  if (!object) RaiseObjectNotSet();
  return *object;
}

template <class T>
T& Present(T* object) {
  if (object == nullptr) RaiseObjectNotSet();
  return *object;
}

}  // namespace qvr
