#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "platform/MachineRoot.h"
#include "platform/lns/LnsError.h"
#include "platform/lns/resources/ShippedResources.h"
#include "platform/lns/sim/DemoNetwork.h"
#include "platform/registry/MachineSetup.h"
#include "tools/lns/Commands.h"
#include "tools/lns/NetworkSession.h"

extern char** environ;

namespace lnstool {

namespace {

constexpr const char* kPlugInProgram = "Calyxtern_qvr_lon_PlugIn";

// The plug-in program lies beside this one.
std::filesystem::path PlugInProgram() {
  return platform::RunningProgramFile().parent_path() / kPlugInProgram;
}

// The demo machine is one on which the plug-in is registered, in English, as an installer registers it:
// the program's own "/regplugin /english" (on the headless back end, which needs no display). Its output
// is the tool's; the result tells whether it exited 0.
bool RegisterPlugIn(ToolContext& context) {
  const std::string program = PlugInProgram().string();
  std::vector<std::string> environment{"QVR_UI=headless", "LNS_ROOT=" + context.root.string()};
  const auto replaced = [](std::string_view variable) {
    for (std::string_view name : {"QVR_UI=", "QVR_ANSWERS=", "QVR_DO=", "QVR_SNAPSHOT=", "LNS_ROOT="}) {
      if (variable.rfind(name, 0) == 0) return true;
    }
    return false;
  };
  for (char** variable = environ; *variable; ++variable) {
    if (!replaced(*variable)) environment.emplace_back(*variable);
  }
  std::vector<char*> envp;
  for (std::string& variable : environment) envp.push_back(variable.data());
  envp.push_back(nullptr);
  std::vector<std::string> args{program, "/regplugin", "/english"};
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);

  context.out.flush();
  pid_t child = 0;
  if (const int failed = posix_spawn(&child, program.c_str(), nullptr, nullptr, argv.data(), envp.data())) {
    context.err << "lns init: cannot start " << program << ": " << std::strerror(failed) << '\n';
    return false;
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
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
  reg::InitMachineRoot(context.root);
  lns::InstallShippedResources(context.data, reg::LonWorksFolderIn(context.root));
  context.out << "machine root ready: " << context.root.string() << '\n';
  return demo ? CreateDemo(context) : kOk;
}

}  // namespace lnstool
