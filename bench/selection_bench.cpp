// How long the device-selection window takes to open on a network of 10,000 devices: the search over the
// template of the device being edited and the tree of its devices (2,500 here: the network's four
// models take turns), from the click on the selection button until the window shows.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "BriefRun.h"
#include "ProgramFixture.h"
#include "mainwindow/apply/fGeraeteauswahl.h"
#include "mainwindow/fMain.h"
#include "platform/MachineRoot.h"
#include "platform/lns/LnsObjectModel.h"
#include "platform/lns/sim/ScaleNetwork.h"
#include "services/TypeFiles.h"

namespace {

constexpr long kDevices = 10000;

// The plug-in on a machine with the network "Big" open, as the director leaves it, and one of its
// devices opened by the device command.
class BigNetwork {
 public:
  BigNetwork() {
    qvr::Program& program = fixture_.program();
    lns::LnsObjectServer& server = program.fMain().lcaOS();
    server.Open();
    lns::CreateScaleNetwork(server, "Big", kDevices, platform::DataDir() / "interfaces");
    qvr::FrameworkState& framework = program.framework;
    framework.ObjectServer = &server;
    framework.ObjectServerIsOpen = true;
    framework.CurrentNetworkName = "Big";
    framework.CurrentNetwork = server.GetNetworks().Item("Big");
    framework.CurrentNetwork->Open();
    framework.CurrentSystem = framework.CurrentNetwork->GetSystems().Item(1);
    framework.CurrentSystem->Open();
    framework.NetworkIsOpen = true;
    qvr::InitTypeFileTable(program);
    qvr::InstallTypeFiles(program);
    lns::LnsAppDevice device =
        framework.CurrentSystem->GetSubsystems().Item("Area 1").GetAppDevices().Item("Device 1");
    std::int32_t configure = 13;
    program.fMain().ProcessDeviceCommand(device, configure);
  }

  // Clicks the selection button; the window, once shown, is closed again so that the next click
  // searches anew. The number of nodes it showed.
  int OpenSelection() {
    int nodes = 0;
    fixture_.backend().ExpectModal(qvr::fGeraeteauswahl::kWindowName, [&nodes](ui::Form& form) {
      nodes = static_cast<qvr::fGeraeteauswahl&>(form).TreeView1.NodeCount();
      form.UserCloses();
    });
    fixture_.program().fMain().cmdGerAuswahl.UserClicks();
    return nodes;
  }

 private:
  testsupport::ProgramFixture fixture_;
};

void BM_OpenDeviceSelection(benchmark::State& state) {
  BigNetwork network;
  int nodes = 0;
  for (auto _ : state) nodes = network.OpenSelection();
  state.counters["nodes"] = nodes;
}
BENCHMARK(BM_OpenDeviceSelection)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  return bench::Main(argc, argv);
}
