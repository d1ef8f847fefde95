#include "platform/lns/storage/DatabaseOptions.h"

#include "platform/lns/LnsError.h"

namespace lns {

namespace {

constexpr std::chrono::seconds kBusyTimeout{30};
// A commit is on the disk this long after it was made at the latest: a device holds a value from its write
// on, and a power cut must not leave the database behind the devices by more than the last moments.
constexpr std::chrono::milliseconds kFlushWithin{50};

[[noreturn]] void RaiseLnsError(const sqlite::Error& error) {
  if (error.IsReadOnly()) {
    throw LnsError(
        kLnsDatabase,
        std::string("the machine root is read-only here; cannot change the database ") + error.what());
  }
  if (error.IsDamaged()) {
    throw LnsError(kLnsDatabase, std::string("the database is damaged: ") + error.what());
  }
  throw LnsError(kLnsDatabase, std::string("database ") + error.what());
}

}  // namespace

sqlite::OpenOptions DatabaseOptions() {
  return {kBusyTimeout, &RaiseLnsError, kFlushWithin};
}

}  // namespace lns
