#include "tools/lns/Commands.h"
#include "tools/lns/NetworkSession.h"
#include "tools/lns/WholeNumber.h"

namespace lnstool {

namespace {

// The fault that the words after the device name ask for; nothing when they are not one.
std::optional<lns::DeviceFault> ParseFault(const Args& words) {
  if (words.size() == 1 && words[0] == "timeout") return lns::DeviceFault{0, true};
  if (words.size() == 1 && words[0] == "none") return lns::DeviceFault{};
  if (words.size() == 2 && words[0] == "refuse-writes") {
    if (auto count = ParseWholeNumber(words[1])) return lns::DeviceFault{*count, false};
  }
  return std::nullopt;
}

}  // namespace

int RunDevice(ToolContext& context, const Args& args) {
  if (args.size() < 4 || !IsDevicePath(args[2])) return Usage(context, "device");
  if (args[0] == "add" && args.size() == 4) {
    NetworkSession session(context.root, args[1]);
    session.AddDevice(args[2], args[3]);
    return kOk;
  }
  if (args[0] == "state" && args.size() == 4) {
    auto state = lns::ParseDeviceState(args[3]);
    if (!state) return Usage(context, "device");
    NetworkSession session(context.root, args[1]);
    session.Device(args[2]).PutState(*state);
    return kOk;
  }
  if (args[0] == "simulate" && args.size() == 4 && (args[3] == "on" || args[3] == "off")) {
    NetworkSession session(context.root, args[1]);
    session.Device(args[2]).PutSimulated(args[3] == "on");
    return kOk;
  }
  if (args[0] == "fault") {
    auto fault = ParseFault(Args(args.begin() + 3, args.end()));
    if (!fault) return Usage(context, "device");
    NetworkSession session(context.root, args[1]);
    session.Device(args[2]).PutFault(*fault);
    return kOk;
  }
  return Usage(context, "device");
}

}  // namespace lnstool
