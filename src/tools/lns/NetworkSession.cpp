#include "tools/lns/NetworkSession.h"

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
  std::string_view subsystemPath = path.substr(0, last);
  lns::LnsSubsystems subsystems = system_.GetSubsystems();
  std::optional<lns::LnsSubsystem> subsystem;
  while (true) {
    std::size_t slash = subsystemPath.find('/');
    subsystem = subsystems.Item(subsystemPath.substr(0, slash));
    if (slash == std::string_view::npos) break;
    subsystemPath.remove_prefix(slash + 1);
    subsystems = subsystem->GetSubsystems();
  }
  return subsystem->GetAppDevices().Item(path.substr(last + 1));
}

bool IsDevicePath(std::string_view path) {
  std::size_t last = path.rfind('/');
  return last != std::string_view::npos && last > 0 && last + 1 < path.size();
}

}  // namespace lnstool
