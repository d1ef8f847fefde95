#include "platform/lns/sim/ScaleNetwork.h"

#include "platform/lns/LnsObjectModel.h"
#include "platform/lns/sim/ModelNetwork.h"

namespace lns {

void CreateScaleNetwork(LnsObjectServer& server, std::string_view name, long deviceCount,
                        const std::filesystem::path& interfaceFolder) {
  if (deviceCount < 0)
    throw LnsError(kLnsInvalidArgument, "a network cannot have a negative number of devices");
  CreateModelNetwork(server, name, interfaceFolder, [deviceCount](ModelNetwork& scale) {
    LnsSubsystems areas = scale.system.GetSubsystems();
    std::optional<LnsAppDevices> devices;
    for (long number = 1; number <= deviceCount; ++number) {
      if ((number - 1) % kScaleDevicesPerSubsystem == 0) {
        long area = (number - 1) / kScaleDevicesPerSubsystem + 1;
        devices = areas.Add("Area " + std::to_string(area)).GetAppDevices();
      }
      LnsAppDevice device =
          devices->Add("Device " + std::to_string(number), scale.models[(number - 1) % scale.models.size()]);
      device.PutCommissioned(true);
      device.PutState(kStateConfiguredOnline);
    }
  });
}

}  // namespace lns
