#include "platform/lns/storage/DatabaseOptions.h"

#include "platform/lns/LnsError.h"

namespace lns {

namespace {

constexpr std::chrono::seconds kBusyTimeout{30};

[[noreturn]] void RaiseLnsError(const sqlite::Error& error) {
  if (error.IsReadOnly()) {
    throw LnsError(
        kLnsDatabase,
        std::string("the machine root is read-only here; cannot change the database ") + error.what());
  }
  throw LnsError(kLnsDatabase, std::string("database ") + error.what());
}

}  // namespace

sqlite::OpenOptions DatabaseOptions() {
  return {kBusyTimeout, &RaiseLnsError};
}

}  // namespace lns
