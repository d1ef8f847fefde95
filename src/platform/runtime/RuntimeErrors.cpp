#include "platform/runtime/RuntimeErrors.h"

#include "platform/Error.h"

namespace runtime {

namespace {

[[noreturn]] void Raise(long number, const std::string& source, std::string description,
                        const std::string& detail) {
  if (!detail.empty()) description += ": " + detail;
  throw platform::RaisedError(number, source, std::move(description));
}

}  // namespace

void RaiseInvalidCall(const std::string& source, const std::string& detail) {
  Raise(platform::kErrInvalidCall, source, "Invalid procedure call or argument", detail);
}

void RaiseOverflow(const std::string& source, const std::string& detail) {
  Raise(platform::kErrOverflow, source, "Overflow", detail);
}

void RaiseTypeMismatch(const std::string& source) {
  Raise(platform::kErrTypeMismatch, source, "Type mismatch", {});
}

void RaiseFileNotFound(const std::string& source, const std::string& detail) {
  Raise(platform::kErrFileNotFound, source, "File not found", detail);
}

void RaiseObjectNotSet(const std::string& source) {
  Raise(platform::kErrObjectNotSet, source, "Object variable or With block variable not set", {});
}

}  // namespace runtime
