#include "DemoDevices.h"

#include "mainwindow/device/LoadDataPoints.h"
#include "mainwindow/fMain.h"
#include "platform/MachineRoot.h"

namespace testsupport {

DemoDevicesTest::DemoDevicesTest() {
  fixture_.CreateDemoNetwork();
  server().Open();
  lns::LnsNetwork network = server().GetNetworks().Item("Demo");
  network.Open();
  demo_ = network.GetSystems().Item(1);
  demo_->Open();
}

lns::LnsAppDevice DemoDevicesTest::Device(const std::string& subsystem, const std::string& name) {
  return demo_->GetSubsystems().Item(subsystem).GetAppDevices().Item(name);
}

void DemoDevicesTest::Load(const lns::LnsAppDevice& device) {
  program().framework.CurrentDevice = device;
  qvr::LoadDataPoints(program(),
                      {&program().fMain().txtNci, &program().fMain().txtNvi, &program().fMain().txtNvo});
}

void DemoDevicesTest::PutNv(const lns::LnsAppDevice& device, int nvIndex, const std::string& text) {
  std::string spelled = text;
  if (auto point = spelled.find('.'); point != std::string::npos) {
    spelled.replace(point, 1, server().GetDecimalSeparator());
  }
  device.GetInterface().GetNetworkVariables().ItemByIndex(nvIndex).PutValue(spelled);
}

lns::DeviceInterface DemoDevicesTest::ModelInterface(const std::string& model) {
  return lns::ReadDeviceInterface(platform::DataDir() / "interfaces" / (model + ".xif"));
}

lns::LnsAppDevice DemoDevicesTest::LabDevice(const lns::DeviceInterface& interface) {
  if (!lab_) {
    lns::LnsNetwork network = server().GetNetworks().Add("Lab");
    network.Open();
    lab_ = network.GetSystems().Item(1);
    lab_->Open();
    lab_->GetSubsystems().Add("Bench");
  }
  lns::LnsDeviceTemplate deviceTemplate =
      lab_->GetTemplateLibrary().GetDeviceTemplates().Add(interface.model, 1);
  deviceTemplate.ImportInterface(interface);
  lns::LnsAppDevice device =
      lab_->GetSubsystems().Item("Bench").GetAppDevices().Add(interface.model, deviceTemplate);
  device.PutCommissioned(true);
  device.PutState(lns::kStateConfiguredOnline);
  return device;
}

}  // namespace testsupport
