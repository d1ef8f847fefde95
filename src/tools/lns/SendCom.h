#pragma once

#include <stdexcept>

#include "platform/Error.h"
#include "tools/lns/LnsTool.h"

namespace lnstool {

// A director's own failure to reach the plug-in (the class not registered, the program not started, the
// bus gone), as opposed to an error that the plug-in object raised.
struct DirectorFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct SendRequest;

// `lns send ... --com`: the same command as `lns send`, as a director of the plug-in program reached over
// the machine root's bus; prints the same lines and ends with the same codes.
int RunSendCom(ToolContext& context, const SendRequest& request);

// Prints an error that the plug-in object raised, "error N: DESCRIPTION (SOURCE)", and returns kFailed.
int ReportRaised(ToolContext& context, const platform::RaisedError& error);

}  // namespace lnstool
