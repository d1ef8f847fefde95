#include "ProgramFixture.h"

#include "identity/PlugInIdentity.h"
#include "platform/MachineRoot.h"
#include "platform/eventloop/HeadlessEventLoop.h"
#include "platform/lns/resources/ShippedResources.h"
#include "platform/lns/sim/DemoNetwork.h"
#include "platform/lns/sim/ModelTemplates.h"
#include "platform/registry/MachineSetup.h"
#include "services/CRegistry.h"

namespace testsupport {

ProgramFixture::ProgramFixture() {
  reg::InitMachineRoot(root_.Path());
  lns::InstallShippedResources(platform::DataDir(), reg::LonWorksFolderIn(root_.Path()));
  SetLanguage("english");
  program_ = std::make_unique<qvr::Program>(services_, backend_, root_.Path());
}

ProgramFixture::~ProgramFixture() = default;

void ProgramFixture::SetLanguage(const std::string& language) {
  runtime::ErrObject err;
  reg::MachineRegistry registry(root_.Path());
  qvr::CRegistry(err, registry).MachineSetting(qvr::kPlugInKey, "Language", language);
}

void ProgramFixture::CreateDemoNetwork() {
  lns::CreateDemoNetwork(root_.Path(), platform::DataDir() / "interfaces");
}

void ProgramFixture::AddNetwork(const std::string& name, const std::function<void(lns::LnsSystem&)>& work) {
  platform::HeadlessEventLoop loop;
  lns::LnsObjectServer server(loop, root_.Path());
  server.Open();
  lns::LnsNetwork network = server.GetNetworks().Add(name);
  network.Open();
  lns::LnsSystem system = network.GetSystems().Item(1);
  system.Open();
  if (work) work(system);
}

void ProgramFixture::ImportModels(lns::LnsSystem& system) {
  lns::LnsDeviceTemplates templates = system.GetTemplateLibrary().GetDeviceTemplates();
  lns::ImportModelTemplates(templates, platform::DataDir() / "interfaces");
}

}  // namespace testsupport
