#include "platform/lns/sim/ModelTemplates.h"

namespace lns {

const char* const kModelNames[4] = {"qvrl105", "qvrl206", "qvrl106", "qvrl207"};

std::vector<LnsDeviceTemplate> ImportModelTemplates(LnsDeviceTemplates& templates,
                                                    const std::filesystem::path& interfaceFolder) {
  std::vector<LnsDeviceTemplate> imported;
  for (const char* model : kModelNames) {
    LnsDeviceTemplate deviceTemplate = templates.Add(model, 1);
    deviceTemplate.Import((interfaceFolder / (std::string(model) + ".xif")).string());
    imported.push_back(deviceTemplate);
  }
  return imported;
}

}  // namespace lns
