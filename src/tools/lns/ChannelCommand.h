#pragma once

#include <string_view>

#include "platform/lns/sim/ChannelTiming.h"
#include "tools/lns/LnsTool.h"

namespace lnstool {

// Gives the network's channel `timing`; every process working on the network uses it from then on.
void PutChannelTiming(ToolContext& context, std::string_view network, lns::ChannelTiming timing);

}  // namespace lnstool
