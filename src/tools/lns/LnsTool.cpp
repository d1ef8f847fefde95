#include "tools/lns/LnsTool.h"

#include <functional>
#include <map>

#include "platform/EchoedText.h"
#include "platform/Error.h"
#include "platform/MachineRoot.h"
#include "tools/lns/Commands.h"
#include "tools/lns/Help.h"
#include "tools/lns/SendRequest.h"

namespace lnstool {

namespace {

using Command = std::function<int(ToolContext&, const Args&)>;

const std::map<std::string, Command>& CommandTable() {
  static const std::map<std::string, Command> table = {
      {"init", RunInit},
      {"reg", RunReg},
      {"networks", RunNetworks},
      {"network", RunNetwork},
      {"devices", RunDevices},
      {"device", RunDevice},
      {"nv", RunNv},
      {"cp", RunCp},
      {"send", RunSend},
      {"apps", RunApps},
      {"templates", RunTemplates},
      {"channel", RunChannel},
      {"bus", RunBus},
  };
  return table;
}

int GeneralUsage(ToolContext& context) {
  context.err << "usage: lns COMMAND [ARGS...]\ncommands:";
  for (const auto& [name, command] : CommandTable()) context.err << ' ' << name;
  context.err << "\nlns --help tells what each does\n";
  return kUsage;
}

bool AsksForHelp(const std::string& word) {
  return word == "--help" || word == "-h";
}

}  // namespace

bool NeedsWindows(const Args& args) {
  if (args.empty() || args[0] != "send") return false;
  for (std::size_t index = 1; index < args.size(); ++index) {
    const std::string& word = args[index];
    if (word == "--show" || word == "--screenshot" || word == "--com" || word == "--print") return true;
    if (word == "--printer" && index + 1 < args.size() && PdfFileOf(args[index + 1])) return true;
  }
  return false;
}

int RunLnsTool(const Args& args, ToolContext& context) {
  if (args.size() == 1 && AsksForHelp(args.front())) {
    PrintGeneralHelp(context);
    return kOk;
  }
  if (args.empty()) return GeneralUsage(context);
  auto command = CommandTable().find(args.front());
  if (command == CommandTable().end()) return GeneralUsage(context);
  // "--help" last asks for the command's help, whatever comes before it.
  if (args.size() > 1 && AsksForHelp(args.back())) {
    PrintCommandHelp(context, *FindCommandHelp(args.front()));
    return kOk;
  }
  if (const auto unusable = platform::UnusableMachineRoot(context.root)) {
    context.err << "lns " << args.front() << ": " << platform::EscapeControls(*unusable) << '\n';
    return kFailed;
  }
  try {
    return command->second(context, Args(args.begin() + 1, args.end()));
  } catch (const platform::RaisedError& error) {
    context.err << "lns " << args.front() << ": " << platform::EscapeControls(error.Description()) << '\n';
  } catch (const std::exception& error) {
    context.err << "lns " << args.front() << ": " << platform::EscapeControls(error.what()) << '\n';
  }
  return kFailed;
}

}  // namespace lnstool
