#pragma once

#include <string_view>

#include "platform/lns/ChannelTiming.h"
#include "platform/lnstool/LnsTool.h"

namespace lnstool {

// Gives the network's channel `timing`; every process working on the network uses it from then on.
void PutChannelTiming(ToolContext& context, std::string_view network, lns::ChannelTiming timing);

}  // namespace lnstool
