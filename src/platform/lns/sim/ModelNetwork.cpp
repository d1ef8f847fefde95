#include "platform/lns/sim/ModelNetwork.h"

#include "platform/lns/LnsObjectModel.h"
#include "platform/lns/sim/ModelTemplates.h"

namespace lns {

void CreateModelNetwork(LnsObjectServer& server, std::string_view name,
                        const std::filesystem::path& interfaceFolder,
                        const std::function<void(ModelNetwork&)>& addDevices) {
  server.GetNetworks().Add(name, [&](LnsNetwork& network) {
    network.Open();
    LnsSystem system = network.GetSystems().Item(1);
    system.Open();
    system.StartTransaction();
    LnsDeviceTemplates templates = system.GetTemplateLibrary().GetDeviceTemplates();
    ModelNetwork model{network, system, ImportModelTemplates(templates, interfaceFolder)};
    addDevices(model);
    system.CommitTransaction();
    network.Close();
  });
}

}  // namespace lns
