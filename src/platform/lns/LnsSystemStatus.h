#pragma once

#include <string>

namespace lns {

// The connections of a system. This substitute binds no network variables, so a system has none.
class LnsConnections {
 public:
  long Count() const { return 0; }
};

// The error object of a system: the last error a device operation of the system raised (0 and "" if none).
class LnsErrorObject {
 public:
  LnsErrorObject(long number, std::string description)
      : number_(number), description_(std::move(description)) {}
  long GetNumber() const { return number_; }
  const std::string& GetDescription() const { return description_; }

 private:
  long number_;
  std::string description_;
};

// The recovery status of a system. Databases here are written in transactions and never need a recovery.
class LnsRecoveryStatus {
 public:
  bool GetRecoveryRunning() const { return false; }
};

}  // namespace lns
