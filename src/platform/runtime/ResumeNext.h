#pragma once

#include <exception>
#include <utility>

#include "platform/Error.h"
#include "platform/runtime/ErrObject.h"
#include "platform/runtime/RuntimeErrors.h"

namespace runtime {

// Runs one step of a routine whose errors are ignored: a step that raises leaves its error in `err` and
// the routine goes on with its next step. True when the step succeeded.
template <class Step>
bool ResumeNext(ErrObject& err, Step&& step) {
  try {
    std::forward<Step>(step)();
    return true;
  } catch (const platform::RaisedError& error) {
    err.Number = error.Number();
    err.Source = error.Source();
    err.Description = error.Description();
  } catch (const std::exception& error) {
    err.Number = platform::kErrInvalidCall;  // what the platform raises for a failure without a number
    err.Source.clear();
    err.Description = error.what();
  }
  return false;
}

}  // namespace runtime
