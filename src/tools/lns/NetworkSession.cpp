#include "tools/lns/NetworkSession.h"

#include "platform/lns/DeviceStates.h"

namespace lnstool {

namespace {

lns::LnsSystem OpenSystem(lns::LnsObjectServer& server, std::string_view networkName) {
  server.Open();
  lns::LnsNetwork network = server.GetNetworks().Item(networkName);
  network.Open();
  lns::LnsSystem system = network.GetSystems().Item(1);
  system.Open();
  return system;
}

}  // namespace

NetworkSession::NetworkSession(const std::filesystem::path& root, std::string_view networkName)
    : server_(loop_, root), system_(OpenSystem(server_, networkName)) {}

lns::LnsAppDevice NetworkSession::Device(std::string_view path) {
  std::size_t last = path.rfind('/');
  return Subsystem(path.substr(0, last), Missing::Fail).GetAppDevices().Item(path.substr(last + 1));
}

void NetworkSession::AddDevice(std::string_view path, std::string_view templateName) {
  const lns::LnsDeviceTemplate deviceTemplate =
      system_.GetTemplateLibrary().GetDeviceTemplates().Item(templateName);
  // Left uncommitted, the transaction is rolled back when the session closes the system.
  system_.StartTransaction();
  std::size_t last = path.rfind('/');
  lns::LnsAppDevice device = Subsystem(path.substr(0, last), Missing::Make)
                                 .GetAppDevices()
                                 .Add(path.substr(last + 1), deviceTemplate);
  device.PutCommissioned(true);
  device.PutState(lns::kStateConfiguredOnline);
  system_.CommitTransaction();
}

lns::LnsSubsystem NetworkSession::Subsystem(std::string_view path, Missing missing) {
  lns::LnsSubsystems subsystems = system_.GetSubsystems();
  while (true) {
    std::size_t slash = path.find('/');
    const std::string_view name = path.substr(0, slash);
    std::optional<lns::LnsSubsystem> subsystem = subsystems.Find(name);
    if (!subsystem) subsystem = missing == Missing::Make ? subsystems.Add(name) : subsystems.Item(name);
    if (slash == std::string_view::npos) return *subsystem;
    path.remove_prefix(slash + 1);
    subsystems = subsystem->GetSubsystems();
  }
}

bool IsDevicePath(std::string_view path) {
  std::size_t last = path.rfind('/');
  return last != std::string_view::npos && last > 0 && last + 1 < path.size();
}

}  // namespace lnstool
