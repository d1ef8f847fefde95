#include "framework/ErrObject.h"
#include "framework/PlugInIdentity.h"
#include "framework/TypeFiles.h"
#include "platform/MachineRoot.h"
#include "platform/lns/DemoNetwork.h"
#include "platform/lns/LnsError.h"
#include "platform/lns/ShippedResources.h"
#include "platform/lnstool/Commands.h"
#include "platform/lnstool/NetworkSession.h"
#include "platform/registry/MachineSetup.h"
#include "platform/registry/RegistryStore.h"

namespace lnstool {

namespace {

// The demo machine is one on which the plug-in is registered: it speaks English, as "/regplugin /english"
// writes, and its type files are in the resource catalogue.
void SetDemoLanguage(const std::filesystem::path& root) {
  reg::RegistryStore store(reg::RegistryStore::FileIn(root));
  store.AddValueIfMissing(reg::Hive::LocalMachine, qvr::kPlugInKey, "Language",
                          reg::RegValue{reg::ValueType::Sz, "english"});
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
  SetDemoLanguage(context.root);
  qvr::ErrObject err;
  qvr::InstallTypeFiles(err);
  try {
    lns::CreateDemoNetwork(context.root, platform::DataDir() / "interfaces");
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
  lns::InstallShippedResources(reg::LonWorksFolderIn(context.root));
  context.out << "machine root ready: " << context.root.string() << '\n';
  return demo ? CreateDemo(context) : kOk;
}

}  // namespace lnstool
