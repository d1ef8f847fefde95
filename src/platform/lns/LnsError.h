#pragma once

#include <string>

#include "platform/Error.h"

namespace lns {

// Error numbers of the LNS substitute, in the style of the Object Server's own.
enum LnsErrorNumber : long {
  kLnsNotFound = 4001,         // a collection lacks the name or index asked for
  kLnsInvalidValue = 4002,     // a value text that its type refuses
  kLnsDeviceNotOnline = 4003,  // network-variable access on a device that is not online
  kLnsWriteRefused = 4004,     // an injected fault refused the write
  kLnsTimeout = 4005,          // the device did not answer
  kLnsNotOpen = 4006,          // the object server, network or system is not open
  kLnsAlreadyExists = 4007,    // an object of that name exists
  kLnsDatabase = 4008,         // the database cannot be read or written
  kLnsBadFile = 4009,          // a malformed interface or resource file
  kLnsInvalidArgument = 4010,  // any other argument the operation cannot take
};

class LnsError : public platform::RaisedError {
 public:
  LnsError(long number, std::string description)
      : platform::RaisedError(number, "LNS Object Server", std::move(description)) {}
};

}  // namespace lns
