// How the LNS substitute scales: a network of 10,000 devices, opened, one template's devices listed, and all
// values of one QVR-L2 device read, as the plug-in does when it opens a device.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "BriefRun.h"
#include "platform/MachineRoot.h"
#include "platform/eventloop/HeadlessEventLoop.h"
#include "platform/lns/LnsObjectModel.h"
#include "platform/lns/sim/ScaleNetwork.h"

namespace {

constexpr long kDevices = 10000;

// A machine root with the scale network, made once for all benchmarks and removed at the end.
class ScaleRoot {
 public:
  ScaleRoot() {
    std::string pattern = (std::filesystem::temp_directory_path() / "lns-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary machine root");
    path_ = pattern;
    platform::HeadlessEventLoop loop;
    lns::LnsObjectServer server(loop, path_);
    server.Open();
    lns::CreateScaleNetwork(server, "Scale", kDevices, platform::DataDir() / "interfaces");
  }
  ~ScaleRoot() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

const ScaleRoot& Root() {
  static const ScaleRoot root;
  return root;
}

// The Object Server with the scale network's system open.
struct OpenScale {
  platform::HeadlessEventLoop loop;
  lns::LnsObjectServer server{loop, Root().Path()};
  lns::LnsSystem system = Open(server);

  static lns::LnsSystem Open(lns::LnsObjectServer& server) {
    server.Open();
    lns::LnsNetwork network = server.GetNetworks().Item("Scale");
    network.Open();
    lns::LnsSystem system = network.GetSystems().Item(1);
    system.Open();
    return system;
  }
};

void BM_OpenNetwork(benchmark::State& state) {
  Root();
  for (auto _ : state) {
    OpenScale open;
    benchmark::DoNotOptimize(open.system.GetSubsystems().Count());
  }
}
BENCHMARK(BM_OpenNetwork)->Unit(benchmark::kMillisecond);

void BM_ListTemplateDevices(benchmark::State& state) {
  OpenScale open;
  lns::LnsDeviceTemplates templates = open.system.GetTemplateLibrary().GetDeviceTemplates();
  for (auto _ : state) {
    lns::LnsAppDevices devices = templates.Item("9FFF6E0A5A060409").GetAppDevices();
    benchmark::DoNotOptimize(devices.Count());
  }
}
BENCHMARK(BM_ListTemplateDevices)->Unit(benchmark::kMillisecond);

// What the device-selection window reads of each device: name, node ID and subsystem.
void BM_ListTemplateDeviceDetails(benchmark::State& state) {
  OpenScale open;
  lns::LnsDeviceTemplates templates = open.system.GetTemplateLibrary().GetDeviceTemplates();
  for (auto _ : state) {
    lns::LnsAppDevices devices = templates.Item("9FFF6E0A5A060409").GetAppDevices();
    for (long i = 1; i <= devices.Count(); ++i) {
      lns::LnsAppDevice device = devices.Item(i);
      benchmark::DoNotOptimize(device.GetName());
      benchmark::DoNotOptimize(device.GetNodeId());
      benchmark::DoNotOptimize(device.GetSubsystems().Item(1).GetName());
    }
  }
}
BENCHMARK(BM_ListTemplateDeviceDetails)->Unit(benchmark::kMillisecond);

// The 45 network variables by index and the 56 properties by their block or variable, of one QVR-L2 device.
void BM_ReadAllValuesOfOneDevice(benchmark::State& state) {
  OpenScale open;
  lns::LnsAppDevice device = open.system.GetSubsystems().Item("Area 50").GetAppDevices().Item("Device 4906");
  const int nvIndexes[] = {9,  10, 8,  11, 4,  5,  14, 18, 16, 20, 15, 19, 17, 21, 45,
                           29, 24, 28, 27, 26, 25, 30, 31, 32, 33, 12, 13, 7,  6,  3,
                           22, 23, 46, 47, 34, 35, 36, 43, 37, 44, 38, 41, 39, 40, 42};
  for (auto _ : state) {
    long values = 0;
    lns::LnsInterface deviceInterface = device.GetInterface();
    lns::LnsNetworkVariables nvs = deviceInterface.GetNetworkVariables();
    for (int index : nvIndexes) {
      benchmark::DoNotOptimize(nvs.ItemByIndex(index).GetValue());
      ++values;
    }
    lns::LnsLonMarkObjects blocks = deviceInterface.GetLonMarkObjects();
    for (long block = 1; block <= blocks.Count(); ++block) {
      lns::LnsConfigProperties properties = blocks.Item(block).GetConfigProperties();
      for (long i = 1; i <= properties.Count(); ++i, ++values)
        benchmark::DoNotOptimize(properties.Item(i).GetValue());
    }
    for (int index : {3, 34, 25}) {
      lns::LnsConfigProperties properties = nvs.ItemByIndex(index).GetConfigProperties();
      for (long i = 1; i <= properties.Count(); ++i, ++values)
        benchmark::DoNotOptimize(properties.Item(i).GetValue());
    }
    if (values != 101) state.SkipWithError("the device does not have 101 values");
  }
}
BENCHMARK(BM_ReadAllValuesOfOneDevice)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return bench::Main(argc, argv);
}
