#pragma once

#include <filesystem>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "TempMachineRoot.h"
#include "platform/MachineRoot.h"
#include "tools/lns/LnsTool.h"

namespace lnstooltest {

// One `lns` command line run in-process, with what it printed.
struct ToolRun {
  int code = -1;
  std::string out;
  std::string err;
};

// Runs the command line on the machine root `root`, with the shipped files of `data`.
inline ToolRun Lns(const std::filesystem::path& root, const lnstool::Args& args,
                   const std::filesystem::path& data = platform::DataDir()) {
  std::ostringstream out, err;
  lnstool::ToolContext context{root, data, out, err};
  ToolRun run;
  run.code = lnstool::RunLnsTool(args, context);
  run.out = out.str();
  run.err = err.str();
  return run;
}

// A fresh machine root made by `lns init --demo`: the demo network, the plug-in's files and settings.
class DemoRootTest : public ::testing::Test {
 protected:
  DemoRootTest() {
    const ToolRun init = Lns(root.Path(), {"init", "--demo"});
    EXPECT_EQ(init.code, lnstool::kOk) << init.err;
  }

  testsupport::TempMachineRoot root;
};

}  // namespace lnstooltest
