#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "ProgramRun.h"
#include "TempMachineRoot.h"

namespace e2e {

// The snapshot line of one control ("txtNci(4) TextBox ..."), "" when there is none.
inline std::string ControlLine(const std::string& snapshot, const std::string& name) {
  std::istringstream lines(snapshot);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind(name + " ", 0) == 0) return line;
  }
  return {};
}

// A fresh demo machine (`lns init --demo`) and the built `lns` to drive it.
class LnsSendScript : public ::testing::Test {
 protected:
  LnsSendScript() {
    const auto init = Lns({"init", "--demo"});
    EXPECT_EQ(init.code, 0) << init.err;
  }

  ProgramRun Lns(const std::vector<std::string>& args) { return e2e::Run("lns", args, root.Path()); }

  testsupport::TempMachineRoot root;
  const std::string device = "Demo/Floor 1/Room 101";
};

}  // namespace e2e
