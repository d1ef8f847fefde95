// Apply's transfer to several devices at full speed (no channel timing): the 56 properties of a QVR-L2
// device, every one of them changed, written to 1,000 devices of its template, as the main window does
// it when the user clicks Apply with those devices chosen in the device-selection window.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "framework/CRegistry.h"
#include "framework/PlugInIdentity.h"
#include "framework/TypeFiles.h"
#include "mainwindow/apply/fGeraeteauswahl.h"
#include "mainwindow/fMain.h"
#include "platform/MachineRoot.h"
#include "platform/lns/LnsObjectModel.h"
#include "platform/lns/resources/ShippedResources.h"
#include "platform/lns/sim/ScaleNetwork.h"
#include "platform/registry/MachineSetup.h"
#include "platform/ui/headless/HeadlessFormBackend.h"
#include "platform/ui/headless/HeadlessServices.h"
#include "program/Program.h"

namespace {

// The models take turns in a scale network: 4,000 devices give each template 1,000.
constexpr long kNetworkDevices = 4000;
constexpr long kTransferDevices = 1000;
constexpr int kProperties = 56;

// A machine root of its own (LNS_ROOT points at it) with the scale network, the main window showing
// Device 2 and every device of its template chosen for the transfer, without the synchronise option.
class TransferSetup {
 public:
  TransferSetup() {
    std::string pattern = (std::filesystem::temp_directory_path() / "apply-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary machine root");
    root_ = pattern;
    reg::InitMachineRoot(root_);
    lns::InstallShippedResources(platform::DataDir(), reg::LonWorksFolderIn(root_));
    program_ = std::make_unique<qvr::Program>(services_, backend_, root_);
    runtime::ErrObject err;
    qvr::CRegistry(err, program_->Registry()).MachineSetting(qvr::kPlugInKey, "Language", "english");

    qvr::fMain& window = program_->fMain();
    lns::LnsObjectServer& server = window.lcaOS();
    server.Open();
    lns::CreateScaleNetwork(server, "Scale", kNetworkDevices, platform::DataDir() / "interfaces");
    qvr::FrameworkState& framework = program_->framework;
    framework.ObjectServer = &server;
    framework.ObjectServerIsOpen = true;
    framework.CurrentNetworkName = "Scale";
    framework.CurrentNetwork = server.GetNetworks().Item("Scale");
    framework.CurrentNetwork->Open();
    framework.CurrentSystem = framework.CurrentNetwork->GetSystems().Item(1);
    framework.CurrentSystem->Open();
    framework.NetworkIsOpen = true;
    qvr::InitTypeFileTable(*program_);
    qvr::InstallTypeFiles(*program_);

    lns::LnsAppDevice device =
        framework.CurrentSystem->GetSubsystems().Item("Area 1").GetAppDevices().Item("Device 2");
    std::int32_t configure = 13;
    window.ProcessDeviceCommand(device, configure);
    window.Show();
    backend_.ExpectModal(qvr::fGeraeteauswahl::kWindowName, [](ui::Form& form) {
      auto& selection = static_cast<qvr::fGeraeteauswahl&>(form);
      for (int index = 1; index <= selection.TreeView1.NodeCount(); ++index) {
        ui::TreeNode& node = selection.TreeView1.Node(index);
        if (node.Parent() != nullptr && !node.Checked()) {
          selection.TreeView1.UserChecks(node);
          selection.TreeView1.UserMouseUp(1, 0, 100, 100);
        }
      }
      selection.cmdFertig.UserClicks();
    });
    window.cmdGerAuswahl.UserClicks();
    if (program_->mainwindow.SelectedCount != kTransferDevices) {
      throw std::runtime_error("the selection holds " + std::to_string(program_->mainwindow.SelectedCount) +
                               " devices");
    }
  }
  ~TransferSetup() {
    program_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

  // Every property box marked changed, as the user's edits leave them; Apply writes what the boxes show.
  void MarkEveryProperty() {
    qvr::fMain& window = program_->fMain();
    for (int row = 0; row < kProperties; ++row) window.txtNci[row].SetForeColor(ui::vbRed);
    window.UpdateApplyCancel();
  }
  void Apply() { program_->fMain().cmdApply_Click(); }
  bool AllWritten() { return !program_->fMain().cmdApply.Enabled(); }

 private:
  std::filesystem::path root_;
  ui::HeadlessServices services_;
  ui::HeadlessFormBackend backend_;
  std::unique_ptr<qvr::Program> program_;
};

void BM_ApplyToThousandDevices(benchmark::State& state) {
  TransferSetup setup;
  for (auto _ : state) {
    state.PauseTiming();
    setup.MarkEveryProperty();
    state.ResumeTiming();
    setup.Apply();
  }
  if (!setup.AllWritten()) state.SkipWithError("Apply left properties unwritten");
  state.counters["properties/s"] = benchmark::Counter(static_cast<double>(kProperties * kTransferDevices),
                                                      benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ApplyToThousandDevices)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
