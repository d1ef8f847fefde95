#include "platform/lns/DatabaseOptions.h"

#include "platform/lns/LnsError.h"

namespace lns {

namespace {

constexpr std::chrono::seconds kBusyTimeout{30};

[[noreturn]] void RaiseLnsError(const sqlite::Error& error) {
  throw LnsError(kLnsDatabase, std::string("database ") + error.what());
}

}  // namespace

sqlite::OpenOptions DatabaseOptions() {
  return {kBusyTimeout, &RaiseLnsError};
}

}  // namespace lns
