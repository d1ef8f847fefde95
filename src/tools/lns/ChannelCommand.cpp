// `lns channel`: how long the network's channel takes to carry each device access.

#include "tools/lns/ChannelCommand.h"

#include "tools/lns/Commands.h"
#include "tools/lns/NetworkSession.h"

namespace lnstool {

void PutChannelTiming(ToolContext& context, std::string_view network, lns::ChannelTiming timing) {
  NetworkSession session(context.root, network);
  session.System().PutChannelTiming(timing);
}

int RunChannel(ToolContext& context, const Args& args) {
  const auto timing = args.size() == 2 ? lns::ParseChannelTiming(args[1]) : std::nullopt;
  if (!timing) return Usage(context, "channel");
  PutChannelTiming(context, args[0], *timing);
  return kOk;
}

}  // namespace lnstool
