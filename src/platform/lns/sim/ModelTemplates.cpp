#include "platform/lns/sim/ModelTemplates.h"

#include <algorithm>

#include "platform/lns/resources/DeviceInterfaceFile.h"

namespace lns {

namespace {

std::vector<DeviceInterface> InterfacesByProgramId(const std::filesystem::path& interfaceFolder) {
  std::vector<DeviceInterface> interfaces;
  for (const auto& entry : std::filesystem::directory_iterator(interfaceFolder)) {
    if (entry.path().extension() == ".xif") interfaces.push_back(ReadDeviceInterface(entry.path()));
  }
  std::ranges::sort(interfaces, {}, &DeviceInterface::programId);
  return interfaces;
}

}  // namespace

std::vector<LnsDeviceTemplate> ImportModelTemplates(LnsDeviceTemplates& templates,
                                                    const std::filesystem::path& interfaceFolder) {
  std::vector<LnsDeviceTemplate> imported;
  for (const DeviceInterface& interface : InterfacesByProgramId(interfaceFolder)) {
    LnsDeviceTemplate deviceTemplate = templates.Add(interface.model, 1);
    deviceTemplate.ImportInterface(interface);
    imported.push_back(deviceTemplate);
  }
  return imported;
}

}  // namespace lns
