#include "services/HostErrors.h"

#include "identity/PlugInIdentity.h"
#include "platform/Error.h"

namespace qvr {

void RaiseToHost(long number, const std::string& description) {
  throw platform::RaisedError(number, kProjectName, description);
}

}  // namespace qvr
