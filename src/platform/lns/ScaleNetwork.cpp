#include "platform/lns/ScaleNetwork.h"

#include "platform/lns/LnsObjectModel.h"
#include "platform/lns/ModelTemplates.h"

namespace lns {

void CreateScaleNetwork(LnsObjectServer& server, std::string_view name, long deviceCount,
                        const std::filesystem::path& interfaceFolder) {
  if (deviceCount < 0)
    throw LnsError(kLnsInvalidArgument, "a network cannot have a negative number of devices");
  LnsNetwork network = server.GetNetworks().Add(name);
  network.Open();
  LnsSystem system = network.GetSystems().Item(1);
  system.Open();
  system.StartTransaction();
  LnsDeviceTemplates templates = system.GetTemplateLibrary().GetDeviceTemplates();
  std::vector<LnsDeviceTemplate> models = ImportModelTemplates(templates, interfaceFolder);
  LnsSubsystems areas = system.GetSubsystems();
  std::optional<LnsAppDevices> devices;
  for (long number = 1; number <= deviceCount; ++number) {
    if ((number - 1) % kScaleDevicesPerSubsystem == 0) {
      long area = (number - 1) / kScaleDevicesPerSubsystem + 1;
      devices = areas.Add("Area " + std::to_string(area)).GetAppDevices();
    }
    LnsAppDevice device =
        devices->Add("Device " + std::to_string(number), models[(number - 1) % models.size()]);
    device.PutCommissioned(true);
    device.PutState(kStateConfiguredOnline);
  }
  system.CommitTransaction();
  network.Close();
}

}  // namespace lns
