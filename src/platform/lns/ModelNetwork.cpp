#include "platform/lns/ModelNetwork.h"

#include "platform/lns/LnsObjectModel.h"
#include "platform/lns/ModelTemplates.h"

namespace lns {

ModelNetwork StartModelNetwork(LnsObjectServer& server, std::string_view name,
                               const std::filesystem::path& interfaceFolder) {
  LnsNetwork network = server.GetNetworks().Add(name);
  network.Open();
  LnsSystem system = network.GetSystems().Item(1);
  system.Open();
  system.StartTransaction();
  LnsDeviceTemplates templates = system.GetTemplateLibrary().GetDeviceTemplates();
  std::vector<LnsDeviceTemplate> models = ImportModelTemplates(templates, interfaceFolder);
  return {network, system, std::move(models)};
}

}  // namespace lns
