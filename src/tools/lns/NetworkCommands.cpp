#include <functional>

#include "platform/lns/DeviceStates.h"
#include "platform/lns/sim/ScaleNetwork.h"
#include "platform/lns/storage/DeviceRecord.h"
#include "tools/lns/ChannelCommand.h"
#include "tools/lns/Commands.h"
#include "tools/lns/NetworkSession.h"
#include "tools/lns/WholeNumber.h"

namespace lnstool {

namespace {

// Enough for any scale test, and a bound on what a mistyped count can cost.
constexpr long kMostScaleDevices = 100000;

void PrintDevices(ToolContext& context, lns::LnsSubsystems subsystems) {
  for (long position = 1; position <= subsystems.Count(); ++position) {
    lns::LnsSubsystem subsystem = subsystems.Item(position);
    std::string path = subsystem.GetPath();
    for (const lns::DeviceRecord& device : subsystem.GetDeviceRecords()) {
      context.out << path << '\t' << device.name << '\t' << device.programId << '\t' << device.neuronId
                  << '\t' << lns::DeviceStateName(device.state) << '\n';
    }
    PrintDevices(context, subsystem.GetSubsystems());
  }
}

int CreateNetwork(ToolContext& context, const Args& args) {
  if ((args.size() != 4 && args.size() != 6) || args[2] != "--devices") return Usage(context, "network");
  auto count = ParseWholeNumber(args[3]);
  if (!count || *count > kMostScaleDevices) return Usage(context, "network");
  std::optional<lns::ChannelTiming> timing = lns::ChannelTiming::None;
  if (args.size() == 6) timing = args[4] == "--channel" ? lns::ParseChannelTiming(args[5]) : std::nullopt;
  if (!timing) return Usage(context, "network");
  platform::HeadlessEventLoop loop;
  lns::LnsObjectServer server(loop, context.root);
  server.Open();
  lns::CreateScaleNetwork(server, args[1], *count, context.data / "interfaces");
  if (*timing != lns::ChannelTiming::None) PutChannelTiming(context, args[1], *timing);
  return kOk;
}

}  // namespace

int RunNetworks(ToolContext& context, const Args& args) {
  if (!args.empty()) return Usage(context, "networks");
  platform::HeadlessEventLoop loop;
  lns::LnsObjectServer server(loop, context.root);
  server.Open();
  lns::LnsNetworks networks = server.GetNetworks();
  for (long position = 1; position <= networks.Count(); ++position)
    context.out << networks.Item(position).GetName() << '\n';
  return kOk;
}

int RunDevices(ToolContext& context, const Args& args) {
  if (args.size() != 1) return Usage(context, "devices");
  NetworkSession session(context.root, args[0]);
  PrintDevices(context, session.System().GetSubsystems());
  return kOk;
}

int RunNetwork(ToolContext& context, const Args& args) {
  if (!args.empty() && args[0] == "create") return CreateNetwork(context, args);
  if (args.size() == 2 && args[0] == "delete") {
    platform::HeadlessEventLoop loop;
    lns::LnsObjectServer server(loop, context.root);
    server.Open();
    server.GetNetworks().Remove(args[1]);
    return kOk;
  }
  return Usage(context, "network");
}

}  // namespace lnstool
