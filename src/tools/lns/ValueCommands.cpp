#include "tools/lns/Commands.h"
#include "tools/lns/NetworkSession.h"
#include "tools/lns/PropertyAddress.h"
#include "tools/lns/WholeNumber.h"

namespace lnstool {

namespace {

// The words of `nv` and `cp`: get NETWORK DEVICE WHERE, or set NETWORK DEVICE WHERE TEXT.
bool ValidValueArgs(const Args& args) {
  if (args.size() == 4 && args[0] == "get") return IsDevicePath(args[2]);
  if (args.size() == 5 && args[0] == "set") return IsDevicePath(args[2]);
  return false;
}

// Runs a get or set on the value that `find` reaches on the device.
template <typename Value, typename Find>
int GetOrSet(ToolContext& context, const Args& args, Find find) {
  NetworkSession session(context.root, args[1]);
  Value value = find(session.Device(args[2]));
  if (args[0] == "get") {
    context.out << value.GetValue() << '\n';
  } else {
    value.PutValue(args[4]);
  }
  return kOk;
}

}  // namespace

int RunNv(ToolContext& context, const Args& args) {
  if (!ValidValueArgs(args)) return Usage(context, "nv");
  auto index = ParseWholeNumber(args[3]);
  if (!index || *index > 65535) return Usage(context, "nv");
  return GetOrSet<lns::LnsNetworkVariable>(context, args, [&](const lns::LnsAppDevice& device) {
    return device.GetInterface().GetNetworkVariables().ItemByIndex(static_cast<int>(*index));
  });
}

int RunCp(ToolContext& context, const Args& args) {
  if (!ValidValueArgs(args)) return Usage(context, "cp");
  auto address = ParsePropertyAddress(args[3]);
  if (!address) return Usage(context, "cp");
  return GetOrSet<lns::LnsConfigProperty>(context, args, [&](const lns::LnsAppDevice& device) {
    return ResolvePropertyAddress(device, *address);
  });
}

}  // namespace lnstool
