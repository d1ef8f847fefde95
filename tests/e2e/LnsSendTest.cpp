#include <gtest/gtest.h>

#include "ProgramRun.h"
#include "TempMachineRoot.h"

namespace {

// A director's commands from a shell, on the demo machine that `lns init --demo` makes.
TEST(LnsSendFromAShell, OpensADeviceOrPrintsThePlugInsError) {
  testsupport::TempMachineRoot root;
  const auto lns = [&](std::vector<std::string> args) { return e2e::Run("lns", args, root.Path()); };
  auto run = lns({"init", "--demo"});
  ASSERT_EQ(run.code, 0) << run.err;

  const std::string device = "Demo/Floor 1/Room 101";
  run = lns({"send", "Demo", "13", "7", device});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, "device: Room 101\n");

  struct Refused {
    std::vector<std::string> args;
    std::string error;
  };
  const Refused refused[] = {
      {{"send", "Demo", "14", "7", device}, "error 20003: Command not supported"},
      {{"send", "Demo", "13", "8", device}, "error 20004: Object type not supported for this command"},
      {{"send", "Demo", "13", "7", "Demo/Floor 1/Nobody"}, "error 20005: Object not found"},
      {{"send", "Nowhere", "13", "7", device}, "error 20006: Cannot open the network Nowhere"},
  };
  for (const Refused& command : refused) {
    run = lns(command.args);
    EXPECT_EQ(run.code, 1) << command.error;
    EXPECT_EQ(run.err, command.error + " (Calyxtern_qvr_lon_PlugIn)\n");
  }
}

}  // namespace
