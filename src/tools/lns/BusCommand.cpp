// `lns bus start|stop|address`: the machine root's own D-Bus session bus, on which directors reach the
// plug-in program.
#include "platform/EchoedText.h"
#include "platform/com/PrivateBus.h"
#include "tools/lns/Commands.h"

namespace lnstool {

int RunBus(ToolContext& context, const Args& args) {
  if (args.size() != 1) return Usage(context, "bus");
  const std::string& action = args.front();
  const com::BusNotice tell = [&](const std::string& line) {
    context.err << "lns bus: " << platform::EscapeControls(line) << '\n';
  };
  if (action == "start") {
    context.out << com::StartBus(context.root, tell) << '\n';
    return kOk;
  }
  if (action == "stop") {
    com::StopBus(context.root, tell);
    return kOk;
  }
  if (action != "address") return Usage(context, "bus");
  const auto address = com::RunningBusAddress(context.root);
  if (!address) {
    context.err << "lns bus: the machine root's bus is not running (lns bus start)\n";
    return kFailed;
  }
  context.out << *address << '\n';
  return kOk;
}

}  // namespace lnstool
