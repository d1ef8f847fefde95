#pragma once

#include <string>

namespace runtime {

// The pending error of a run of steps whose errors are ignored: a step that fails without raising leaves
// its number, source and description here, and the caller tests Number afterwards. A step that succeeds
// leaves it as it was; only Clear() resets it. The program owns one; a routine hands it to the objects
// that report into it (such as CRegistry).
struct ErrObject {
  long Number = 0;
  std::string Source;
  std::string Description;

  void Clear() { *this = ErrObject{}; }
};

}  // namespace runtime
