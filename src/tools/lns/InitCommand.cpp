#include <sys/wait.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "identity/PlugInIdentity.h"
#include "platform/EnvironmentNames.h"
#include "platform/MachineRoot.h"
#include "platform/Spawn.h"
#include "platform/lns/LnsError.h"
#include "platform/lns/resources/ShippedResources.h"
#include "platform/lns/sim/DemoNetwork.h"
#include "platform/registry/MachineSetup.h"
#include "tools/lns/Commands.h"
#include "tools/lns/NetworkSession.h"

namespace lnstool {

namespace {

namespace env = platform::env;

// The plug-in program lies beside this one.
std::filesystem::path PlugInProgram() {
  return platform::RunningProgramFile().parent_path() / qvr::kProjectName;
}

// The demo machine is one on which the plug-in is registered, in English, as an installer registers it:
// the program's own "/regplugin /english" (on the headless back end, which needs no display). Its output
// is the tool's; the result tells whether it exited 0.
bool RegisterPlugIn(ToolContext& context) {
  const std::string program = PlugInProgram().string();
  platform::SpawnRequest request;
  request.argv = {program, "/regplugin", "/english"};
  request.environment = platform::EnvironmentWithout([](std::string_view name) {
    for (std::string_view replaced :
         {env::kBackEnd, env::kAnswers, env::kActions, env::kSnapshot, env::kMachineRoot}) {
      if (name == replaced) return true;
    }
    return false;
  });
  request.environment->insert(request.environment->begin(),
                              {std::string(env::kBackEnd) + "=headless",
                               std::string(env::kMachineRoot) + "=" + context.root.string()});

  context.out.flush();
  pid_t child = 0;
  try {
    child = platform::Spawn(request);
  } catch (const std::system_error& error) {
    context.err << "lns init: cannot start " << program << ": " << std::strerror(error.code().value())
                << '\n';
    return false;
  }
  const int status = platform::WaitForChild(child);
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return true;
  context.err << "lns init: " << program << " /regplugin /english did not register the plug-in\n";
  return false;
}

// The demo's online devices live, so that a user watching one with monitoring on sees it change.
void SimulateOnlineDevices(lns::LnsSubsystems subsystems) {
  for (long position = 1; position <= subsystems.Count(); ++position) {
    lns::LnsSubsystem subsystem = subsystems.Item(position);
    lns::LnsAppDevices devices = subsystem.GetAppDevices();
    for (long index = 1; index <= devices.Count(); ++index) {
      lns::LnsAppDevice device = devices.Item(index);
      if (device.GetState() == lns::kStateConfiguredOnline) device.PutSimulated(true);
    }
    SimulateOnlineDevices(subsystem.GetSubsystems());
  }
}

int CreateDemo(ToolContext& context) {
  if (!RegisterPlugIn(context)) return kFailed;
  try {
    lns::CreateDemoNetwork(context.root, context.data / "interfaces");
  } catch (const lns::LnsError& error) {
    if (error.Number() != lns::kLnsAlreadyExists) throw;
    context.out << "network Demo exists already; kept as it is\n";
    return kOk;
  }
  SimulateOnlineDevices(NetworkSession(context.root, "Demo").System().GetSubsystems());
  context.out << "network Demo created\n";
  return kOk;
}

}  // namespace

int RunInit(ToolContext& context, const Args& args) {
  const bool demo = args.size() == 1 && args.front() == "--demo";
  if (!args.empty() && !demo) return Usage(context, "init");
  lns::InstallShippedResources(context.data, reg::InitMachineRoot(context.root));
  context.out << "machine root ready: " << context.root.string() << '\n';
  return demo ? CreateDemo(context) : kOk;
}

}  // namespace lnstool
