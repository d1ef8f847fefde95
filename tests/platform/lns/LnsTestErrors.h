#pragma once

#include <string>

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

// The description of the LnsError that `operation` raises, empty when it raises none.
template <typename Operation>
std::string ErrorTextOf(Operation operation) {
  try {
    operation();
  } catch (const lns::LnsError& error) {
    return error.Description();
  }
  return {};
}

}  // namespace lnstest
