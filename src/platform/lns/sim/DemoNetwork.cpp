#include "platform/lns/sim/DemoNetwork.h"

#include "platform/eventloop/HeadlessEventLoop.h"
#include "platform/lns/LnsObjectModel.h"
#include "platform/lns/sim/ModelNetwork.h"

namespace lns {

namespace {

// A device of another maker, so that the demo shows a device the plug-in does not support.
DeviceInterface MeterInterface() {
  DeviceInterface meter;
  meter.model = "em210";
  meter.programId = "9000C3220C050401";
  meter.networkVariables = {
      {0, "nvoPulseCount", NvDirection::Output, "SNVT_count", "0"},
      {1, "nvoRunTime", NvDirection::Output, "SNVT_time_min", "0"},
  };
  meter.blocks = {{0, "NodeObject", 0}};
  meter.configProperties = {
      {CpOwner::NetworkVariable, 0, 0, 49, "SCPTmaxSendTime", "SNVT_time_sec", "60.0"},
  };
  return meter;
}

void AddDevice(LnsSubsystem& subsystem, const char* name, const LnsDeviceTemplate& deviceTemplate,
               long state) {
  LnsAppDevice device = subsystem.GetAppDevices().Add(name, deviceTemplate);
  device.PutCommissioned(true);
  device.PutState(state);
}

}  // namespace

void CreateDemoNetwork(const std::filesystem::path& machineRoot,
                       const std::filesystem::path& interfaceFolder) {
  platform::HeadlessEventLoop loop;
  LnsObjectServer server(loop, machineRoot);
  server.Open();
  CreateModelNetwork(server, "Demo", interfaceFolder, [](ModelNetwork& demo) {
    LnsDeviceTemplates templates = demo.system.GetTemplateLibrary().GetDeviceTemplates();
    const LnsDeviceTemplate qvrl105 = templates.Item("qvrl105");
    const LnsDeviceTemplate qvrl206 = templates.Item("qvrl206");
    const LnsDeviceTemplate qvrl106 = templates.Item("qvrl106");
    const LnsDeviceTemplate qvrl207 = templates.Item("qvrl207");
    LnsDeviceTemplate meter = templates.Add("em210", 1);
    meter.ImportInterface(MeterInterface());

    LnsSubsystems floors = demo.system.GetSubsystems();
    LnsSubsystem floor1 = floors.Add("Floor 1");
    AddDevice(floor1, "Room 101", qvrl206, kStateConfiguredOnline);
    AddDevice(floor1, "Room 102", qvrl206, kStateConfiguredOnline);
    AddDevice(floor1, "Room 103", qvrl206, kStateConfiguredOffline);
    AddDevice(floor1, "Room 104", qvrl207, kStateConfiguredOnline);
    LnsSubsystem floor2 = floors.Add("Floor 2");
    AddDevice(floor2, "Room 201", qvrl105, kStateConfiguredOnline);
    AddDevice(floor2, "Room 202", qvrl106, kStateConfiguredOnline);
    AddDevice(floor2, "Room 203", qvrl106, kStateUnconfigured);
    AddDevice(floor2, "Meter 1", meter, kStateConfiguredOnline);
  });
}

}  // namespace lns
