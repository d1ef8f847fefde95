// Opening a device in-process, as `lns send Demo 13 7 "Demo/Floor 1/Room 101" --snapshot FILE` does it
// without the process around it: the director's "Configure" for Room 101 (a QVR-L2) of the demo network,
// the main window's load through ProcessDeviceCommand with every value read, and the snapshot of the
// windows written to /dev/null.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <fstream>
#include <string>

#include "BriefRun.h"
#include "ProgramFixture.h"
#include "framework/LNSPlugInAPI.h"
#include "platform/ui/script/UserActions.h"
#include "services/TypeFiles.h"

namespace {

void BM_OpenRoom101(benchmark::State& state) {
  testsupport::ProgramFixture fixture;
  fixture.CreateDemoNetwork();
  qvr::Program& program = fixture.program();
  // The maker's type files in the resource catalogue, as registering the plug-in leaves them.
  qvr::InitTypeFileTable(program);
  qvr::InstallTypeFiles(program);
  qvr::LNSPlugInAPI plugIn(program);
  plugIn.SetNetworkName("Demo");
  ui::UserActions script({}, program.App(), &fixture.services().Boxes());
  std::ofstream snapshot("/dev/null");
  for (auto _ : state) {
    std::int32_t configure = 13;
    std::int16_t deviceClass = 7;
    std::string path = "Demo/Floor 1/Room 101";
    plugIn.SendCommand(configure, deviceClass, path);
    snapshot << script.SnapshotText();
  }
  if (!program.framework.CurrentDevice || program.datapoints.NviTable.at(0).NviValue.empty())
    state.SkipWithError("the device was not opened");
}
BENCHMARK(BM_OpenRoom101)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return bench::Main(argc, argv);
}
