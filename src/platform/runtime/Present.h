#pragma once

#include <optional>

#include "platform/runtime/RuntimeErrors.h"

namespace runtime {

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

}  // namespace runtime
