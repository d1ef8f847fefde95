#pragma once

#include <sstream>
#include <string>

#include "tools/lns/LnsTool.h"

namespace lnstooltest {

// One `lns` command line run in-process, with what it printed.
struct ToolRun {
  int code = -1;
  std::string out;
  std::string err;
};

inline ToolRun Lns(const lnstool::Args& args) {
  std::ostringstream out, err;
  ToolRun run;
  run.code = lnstool::RunLnsTool(args, out, err);
  run.out = out.str();
  run.err = err.str();
  return run;
}

}  // namespace lnstooltest
