#include "framework/NetworkRegistration.h"

#include "framework/PlugInIdentity.h"
#include "platform/Error.h"

namespace qvr {

namespace {

// "Object doesn't support this action": what a host gets until registration in a network exists.
constexpr long kErrNotAvailable = 445;

[[noreturn]] void RaiseNotAvailable() {
  throw platform::RaisedError(kErrNotAvailable, kProjectName,
                              "registration in a network is not available yet");
}

}  // namespace

bool RegisterInNetwork(Program& /*program*/) {
  RaiseNotAvailable();
}

void DeregisterInNetwork(Program& /*program*/, bool /*offerTemplateRemoval*/, bool /*includeServerLevel*/) {
  RaiseNotAvailable();
}

}  // namespace qvr
