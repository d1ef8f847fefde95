#include <gtest/gtest.h>

#include <string>

#include "TempMachineRoot.h"
#include "ToolRun.h"

namespace {

using lnstooltest::Lns;

// Help asked for goes to standard output and succeeds; a usage error goes to standard error and fails.
TEST(LnsHelp, HelpOnStandardOutputUsageErrorsOnStandardError) {
  testsupport::TempMachineRoot root;
  auto run = Lns(root.Path(), {"--help"});
  EXPECT_EQ(run.code, lnstool::kOk);
  EXPECT_EQ(run.err, "");
  for (const char* form :
       {"lns init [--demo]", "lns reg get [--exists] HIVE KEY [VALUE]", "lns network delete NAME",
        "lns templates NETWORK", "lns apps NETWORK", "lns send NETWORK COMMAND CLASS OBJECTPATH"}) {
    EXPECT_NE(run.out.find(form), std::string::npos) << form;
  }

  run = Lns(root.Path(), {"network", "create", "--help"});
  EXPECT_EQ(run.code, lnstool::kOk);
  EXPECT_EQ(run.out.rfind("usage: lns network create NAME --devices N [--channel ft10|none]\n       lns "
                          "network delete NAME\n",
                          0),
            0u)
      << run.out;
  EXPECT_NE(run.out.find("removes the network"), std::string::npos) << run.out;
  EXPECT_EQ(Lns(root.Path(), {"networks"}).out, "") << "asking for help ran the command";

  run = Lns(root.Path(), {"cp", "get"});
  EXPECT_EQ(run.code, lnstool::kUsage);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err.rfind("usage: lns cp get|set NETWORK SUBSYSTEM/DEVICE ADDRESS [TEXT]\n", 0), 0u)
      << run.err;

  for (const lnstool::Args& bad : {lnstool::Args{}, lnstool::Args{"bogus", "--help"}}) {
    run = Lns(root.Path(), bad);
    EXPECT_EQ(run.code, lnstool::kUsage);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("usage: lns COMMAND", 0), 0u) << run.err;
  }
}

}  // namespace
