// Apply's transfer to several devices, as the main window does it when the user clicks Apply with those
// devices chosen in the device-selection window: the 56 properties of a QVR-L2 device, every one of them
// changed, written to 1,000 devices of its template at full speed (no channel timing), and to 20 devices on
// an FT-10 channel in real time, against the sum of the delays that the channel model imposed (a brief run:
// 10 devices, and one on the channel).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>

#include "BriefRun.h"
#include "identity/PlugInIdentity.h"
#include "mainwindow/apply/fGeraeteauswahl.h"
#include "mainwindow/fMain.h"
#include "platform/MachineRoot.h"
#include "platform/eventloop/HeadlessEventLoop.h"
#include "platform/lns/LnsObjectModel.h"
#include "platform/lns/resources/ShippedResources.h"
#include "platform/lns/sim/ScaleNetwork.h"
#include "platform/registry/MachineSetup.h"
#include "platform/ui/headless/HeadlessFormBackend.h"
#include "platform/ui/headless/HeadlessServices.h"
#include "program/Program.h"
#include "services/CRegistry.h"
#include "services/TypeFiles.h"

namespace {

// The models take turns in a scale network: four times the devices give each template as many.
constexpr long kModels = 4;
constexpr int kProperties = 56;

// The headless loop, but a device's channel holds the thread in real time; the delays are summed.
class RealTimeChannelLoop : public platform::HeadlessEventLoop {
 public:
  void Occupy(std::int64_t milliseconds) override {
    imposedMs += milliseconds;
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    HeadlessEventLoop::Occupy(milliseconds);
  }
  std::int64_t imposedMs = 0;
};

class RealTimeChannelServices : public ui::HeadlessServices {
 public:
  platform::EventLoop& Loop() override { return loop; }
  RealTimeChannelLoop loop;
};

// A machine root of its own (LNS_ROOT points at it) with a scale network, the main window showing
// Device 2 and every device of its template (`transferDevices`) chosen for the transfer, without the
// synchronise option.
class TransferSetup {
 public:
  TransferSetup(ui::HeadlessServices& services, long transferDevices) {
    std::string pattern = (std::filesystem::temp_directory_path() / "apply-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary machine root");
    root_ = pattern;
    reg::InitMachineRoot(root_);
    lns::InstallShippedResources(platform::DataDir(), reg::LonWorksFolderIn(root_));
    program_ = std::make_unique<qvr::Program>(services, backend_, root_);
    runtime::ErrObject err;
    qvr::CRegistry(err, program_->Registry()).MachineSetting(qvr::kPlugInKey, "Language", "english");

    qvr::fMain& window = program_->fMain();
    lns::LnsObjectServer& server = window.lcaOS();
    server.Open();
    lns::CreateScaleNetwork(server, "Scale", kModels * transferDevices, platform::DataDir() / "interfaces");
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
    if (program_->mainwindow.SelectedCount != transferDevices) {
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
  void UseChannel(lns::ChannelTiming timing) { program_->framework.CurrentSystem->PutChannelTiming(timing); }

 private:
  std::filesystem::path root_;
  ui::HeadlessFormBackend backend_;
  std::unique_ptr<qvr::Program> program_;
};

void BM_ApplyToThousandDevices(benchmark::State& state) {
  const long transferDevices = bench::Scale(1000, 10);
  ui::HeadlessServices services;
  TransferSetup setup(services, transferDevices);
  for (auto _ : state) {
    state.PauseTiming();
    setup.MarkEveryProperty();
    state.ResumeTiming();
    setup.Apply();
  }
  if (!setup.AllWritten()) state.SkipWithError("Apply left properties unwritten");
  state.counters["properties/s"] = benchmark::Counter(static_cast<double>(kProperties * transferDevices),
                                                      benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ApplyToThousandDevices)->Unit(benchmark::kMillisecond)->Iterations(3);

// The software's share of a transfer on the channel: the elapsed time beyond the delays imposed, as a
// percentage of them.
void BM_ApplyToTwentyDevicesOnFt10(benchmark::State& state) {
  const long transferDevices = bench::Scale(20, 1);
  RealTimeChannelServices services;
  TransferSetup setup(services, transferDevices);
  setup.UseChannel(lns::ChannelTiming::Ft10);
  std::chrono::steady_clock::duration elapsed{};
  std::int64_t imposedMs = 0;
  for (auto _ : state) {
    state.PauseTiming();
    setup.MarkEveryProperty();
    services.loop.imposedMs = 0;
    state.ResumeTiming();
    const auto start = std::chrono::steady_clock::now();
    setup.Apply();
    elapsed += std::chrono::steady_clock::now() - start;
    imposedMs += services.loop.imposedMs;
  }
  if (!setup.AllWritten()) state.SkipWithError("Apply left properties unwritten");
  const double elapsedMs = std::chrono::duration<double, std::milli>(elapsed).count();
  state.counters["imposed_ms"] =
      benchmark::Counter(static_cast<double>(imposedMs), benchmark::Counter::kAvgIterations);
  state.counters["overhead_%"] =
      100.0 * (elapsedMs - static_cast<double>(imposedMs)) / static_cast<double>(imposedMs);
}
BENCHMARK(BM_ApplyToTwentyDevicesOnFt10)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  return bench::Main(argc, argv);
}
