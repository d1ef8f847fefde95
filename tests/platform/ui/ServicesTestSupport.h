#pragma once

#include <functional>

#include "platform/Error.h"

namespace servicestest {

// The number of the RaisedError that `action` raises, 0 when it raises none.
inline long ErrorNumberOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const platform::RaisedError& error) {
    return error.Number();
  }
  return 0;
}

}  // namespace servicestest
