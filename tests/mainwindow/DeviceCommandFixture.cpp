#include "DeviceCommandFixture.h"

#include <stdexcept>

#include "framework/Program.h"
#include "framework/TypeFiles.h"
#include "framework/fProgress.h"
#include "mainwindow/fStartbild.h"

namespace mainwindow_test {

DeviceCommandTest::DeviceCommandTest() {
  qvr::FrameworkState& framework = program().framework;
  framework.ObjectServer = &server();
  framework.ObjectServerIsOpen = true;
  UseNetwork("Demo");
  qvr::InitTypeFileTable(program());
}

void DeviceCommandTest::SetUp() {
  qvr::InstallTypeFiles(program());
}

void DeviceCommandTest::UseNetwork(const std::string& name) {
  qvr::FrameworkState& framework = program().framework;
  framework.CurrentNetworkName = name;
  framework.CurrentNetwork = server().GetNetworks().Item(name);
  framework.CurrentSystem = framework.CurrentNetwork->GetSystems().Item(1);
  framework.NetworkIsOpen = true;
}

void DeviceCommandTest::UseLabNetwork() {
  UseNetwork("Lab");
}

void DeviceCommandTest::Command(lns::LnsAppDevice device) {
  // Each command starts with a fresh progress window, whose status line is recorded.
  program().Windows().Drop<qvr::fProgress>();
  ui::Label& status = program().fProgress().lblStatus;
  status.OnChange = [this, &status, place = status.OnChange] {
    progressTexts.push_back(status.Caption());
    if (place) place();
  };
  std::int32_t configure = 13;
  window().ProcessDeviceCommand(device, configure);
}

std::string DeviceCommandTest::NvValue(const lns::LnsAppDevice& device, int nvIndex) {
  return device.GetInterface().GetNetworkVariables().ItemByIndex(nvIndex).GetValue();
}

lns::LnsConfigProperty DeviceCommandTest::BlockProperty(const lns::LnsAppDevice& device, int block, int scope,
                                                        int typeIndex) {
  const lns::LnsConfigProperties properties =
      device.GetInterface().GetLonMarkObjects().Item(block + 1).GetConfigProperties();
  for (long item = 1; item <= properties.Count(); ++item) {
    const lns::LnsConfigProperty property = properties.Item(item);
    if (property.GetResourceScope() == scope && property.GetTypeIndex() == typeIndex) return property;
  }
  throw std::runtime_error("no such property");
}

bool DeviceCommandTest::ProgressWindowsLoaded() {
  const auto* progress = program().Windows().Find<qvr::fProgress>();
  const auto* splash = program().Windows().Find<qvr::fStartbild>();
  return (progress && progress->IsLoaded()) || (splash && splash->IsLoaded());
}

}  // namespace mainwindow_test
