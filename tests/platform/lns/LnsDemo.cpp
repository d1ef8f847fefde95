#include "LnsDemo.h"

#include "platform/MachineRoot.h"
#include "platform/lns/sim/DemoNetwork.h"
#include "platform/registry/RegistryStore.h"

namespace lnstest {

std::filesystem::path InterfaceFolder() {
  return platform::DataDir() / "interfaces";
}

void SetDecimalSeparator(const std::filesystem::path& root, std::string_view separator) {
  reg::RegistryStore store(reg::RegistryStore::FileIn(root));
  store.SetValue(reg::Hive::CurrentUser, "Control Panel\\International", "sDecimal",
                 reg::RegValue{reg::ValueType::Sz, std::string(separator)}, true);
}

LnsDemo::LnsDemo(std::string_view decimalSeparator) : server_(loop_, root_.Path()) {
  if (!decimalSeparator.empty()) SetDecimalSeparator(root_.Path(), decimalSeparator);
  lns::CreateDemoNetwork(root_.Path(), InterfaceFolder());
  server_.Open();
  network_.emplace(server_.GetNetworks().Item("Demo"));
  network_->Open();
  system_.emplace(network_->GetSystems().Item(1));
  system_->Open();
}

lns::LnsAppDevice LnsDemo::Device(std::string_view subsystem, std::string_view device) {
  return system_->GetSubsystems().Item(subsystem).GetAppDevices().Item(device);
}

}  // namespace lnstest
