#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace ui {
class UiPlatform;
}  // namespace ui

namespace lnstool {

class ComDirector;

// Exit codes of the tool: 0 done, 1 the operation failed (reason printed), 2 bad arguments (usage printed),
// 3 `reg get --exists` found no such key or value.
enum ExitCode { kOk = 0, kFailed = 1, kUsage = 2, kMissing = 3 };

struct ToolContext {
  std::filesystem::path root;  // the machine root
  std::filesystem::path data;  // the files the project ships (platform::DataDir())
  std::ostream& out;
  std::ostream& err;
  ui::UiPlatform* windows = nullptr;  // where windows can be shown; none in a tool built without a toolkit
  ComDirector* com = nullptr;         // how the plug-in program is reached over the bus; none without one
};

using Args = std::vector<std::string>;

// Runs one `lns` command line (without the program name) in `context`.
int RunLnsTool(const Args& args, ToolContext& context);

// Whether the command line shows windows, reaches the plug-in program over the bus, prints into a PDF or
// writes a printout (`send` with --show, --screenshot, --com, --printer pdf:FILE or --print), which needs the
// window system: a printout's date is written as the window's printout writes it.
bool NeedsWindows(const Args& args);

// Prints "usage: lns ..." for one command on standard error and returns kUsage.
int Usage(ToolContext& context, std::string_view command);

}  // namespace lnstool
