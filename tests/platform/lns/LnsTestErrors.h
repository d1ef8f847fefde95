#pragma once

#include "platform/lns/LnsError.h"

namespace lnstest {

// The number of the LnsError that `operation` raises, 0 when it raises none.
template <typename Operation>
long ErrorNumberOf(Operation operation) {
  try {
    operation();
  } catch (const lns::LnsError& error) {
    return error.Number();
  }
  return 0;
}

}  // namespace lnstest
