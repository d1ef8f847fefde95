#include <gtest/gtest.h>

#include <string>

#include "TempMachineRoot.h"
#include "ToolRun.h"

namespace {

using lnstooltest::Lns;

// An error is one line, and what the user typed is echoed escaped and cut short.
TEST(LnsErrorMessages, EchoUserInputOnOneLineCutShort) {
  testsupport::TempMachineRoot root;
  ASSERT_EQ(Lns(root.Path(), {"init", "--demo"}).code, lnstool::kOk);

  const std::string pasted = "Floor 1\n\x1b[2J" + std::string(500, 'x');
  auto run = Lns(root.Path(), {"devices", pasted});
  EXPECT_EQ(run.code, lnstool::kFailed);
  EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
  EXPECT_EQ(run.err.find('\x1b'), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("\"Floor 1\\n\\x1b[2J" + std::string(188, 'x') + "...\""), std::string::npos)
      << run.err;
  EXPECT_LT(run.err.size(), 320u);

  run = Lns(root.Path(), {"cp", "set", "Demo", "Floor 1/Room 101", "C:0:1", "12\n" + std::string(300, '7')});
  EXPECT_EQ(run.code, lnstool::kFailed);
  EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;

  // Blocks are numbered as the user wrote them.
  run = Lns(root.Path(), {"cp", "get", "Demo", "Floor 1/Room 101", "F:1000/C:0:1"});
  EXPECT_EQ(run.code, lnstool::kFailed);
  EXPECT_NE(run.err.find("has no block 1000"), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find("1001"), std::string::npos) << run.err;

  // A very long network name is a name like any other.
  const std::string longName(5000, 'N');
  run = Lns(root.Path(), {"network", "create", longName, "--devices", "1"});
  ASSERT_EQ(run.code, lnstool::kOk) << run.err;
  EXPECT_EQ(Lns(root.Path(), {"networks"}).out, "Demo\n" + longName + "\n");
  EXPECT_EQ(Lns(root.Path(), {"devices", longName}).code, lnstool::kOk);
  run = Lns(root.Path(), {"network", "create", longName, "--devices", "1"});
  EXPECT_EQ(run.code, lnstool::kFailed);
  EXPECT_NE(run.err.find("exists already"), std::string::npos) << run.err;
  EXPECT_LT(run.err.size(), 320u);
}

// `reg get` prints nothing for a missing key or value and succeeds; `--exists` tells it apart.
TEST(LnsErrorMessages, RegGetExistsTellsMissingApart) {
  testsupport::TempMachineRoot root;
  ASSERT_EQ(Lns(root.Path(), {"reg", "set", "HKCU", "Software\\A", "Empty", ""}).code, lnstool::kOk);
  for (const lnstool::Args& missing :
       {lnstool::Args{"HKCU", "Software\\A", "None"}, lnstool::Args{"HKCU", "Software\\B", "Empty"}}) {
    lnstool::Args plain{"reg", "get"}, asked{"reg", "get", "--exists"};
    plain.insert(plain.end(), missing.begin(), missing.end());
    asked.insert(asked.end(), missing.begin(), missing.end());
    auto run = Lns(root.Path(), plain);
    EXPECT_EQ(run.code, lnstool::kOk);
    EXPECT_EQ(run.out + run.err, "");
    run = Lns(root.Path(), asked);
    EXPECT_EQ(run.code, lnstool::kMissing);
    EXPECT_EQ(run.out + run.err, "");
  }
  auto run = Lns(root.Path(), {"reg", "get", "--exists", "HKCU", "Software\\A", "Empty"});
  EXPECT_EQ(run.code, lnstool::kOk);
  EXPECT_EQ(run.out, "\n");
  EXPECT_EQ(Lns(root.Path(), {"reg", "set", "--exists", "HKCU", "Software\\A", "X", "1"}).code,
            lnstool::kUsage);
}

}  // namespace
