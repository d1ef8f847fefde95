// `lns send --com`: the director's part of `lns send`, with the plug-in object in the plug-in program.
#include "platform/lnstool/SendCom.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/lnstool/ComDirector.h"
#include "platform/lnstool/SendWindows.h"
#include "platform/lnstool/UiPlatform.h"
#include "platform/lnstool/WholeNumber.h"

namespace lnstool {

namespace {

const char* const kSynopsis = "send NETWORK COMMAND CLASS OBJECTPATH --com [--interface NAME] [--show]";
const char* const kComFlag = "--com";

// The options that need the plug-in's windows or answers in this process.
const char* const kInProcessOptions[] = {"--do", "--answer", "--snapshot", "--screenshot"};

struct ComRequest {
  std::string network;
  std::int32_t commandId = 0;
  std::int16_t objectClass = 0;
  std::string objectPath;
  std::optional<std::string> interfaceName;
  bool show = false;
};

std::optional<ComRequest> ParseComRequest(const Args& args) {
  ComRequest request;
  std::vector<std::string> positional;
  bool com = false;
  for (std::size_t index = 0; index < args.size(); ++index) {
    const std::string& word = args[index];
    bool* flag = word == kComFlag ? &com : word == "--show" ? &request.show : nullptr;
    if (flag) {
      if (*flag) return std::nullopt;
      *flag = true;
    } else if (word == "--interface") {
      if (request.interfaceName || index + 1 == args.size()) return std::nullopt;
      request.interfaceName = args[++index];
    } else {
      positional.push_back(word);
    }
  }
  if (positional.size() != 4) return std::nullopt;
  auto commandId = ParseNumber<std::int32_t>(positional[1]);
  auto objectClass = ParseNumber<std::int16_t>(positional[2]);
  if (!commandId || !objectClass) return std::nullopt;
  request.network = positional[0];
  request.commandId = *commandId;
  request.objectClass = *objectClass;
  request.objectPath = positional[3];
  return request;
}

std::optional<std::string> InProcessOption(const Args& args) {
  for (const char* option : kInProcessOptions) {
    if (std::find(args.begin(), args.end(), option) != args.end()) return option;
  }
  return std::nullopt;
}

// The plug-in object is released on every way out, as a director's would be; with --show the main window
// stays in the plug-in program, which lives on until the user closes it.
int Direct(ToolContext& context, const ComRequest& request) {
  std::unique_ptr<RemotePlugIn> plugIn = context.com->CreatePlugIn(context.root);
  if (request.interfaceName) plugIn->SetNetworkInterfaceName(*request.interfaceName);
  plugIn->SetNetworkName(request.network);
  const std::string device = plugIn->SendCommand(request.commandId, request.objectClass, request.objectPath);
  if (!device.empty()) context.out << "device: " << device << '\n';
  if (request.show) plugIn->SetVisible(true);
  return kOk;
}

}  // namespace

bool ComRequested(const Args& args) {
  return std::find(args.begin(), args.end(), kComFlag) != args.end();
}

int RunSendCom(ToolContext& context, const Args& args) {
  if (const auto option = InProcessOption(args)) {
    context.err << "lns send: " << *option
                << " works only with the plug-in in this process; leave out --com to use it\n";
    return kUsage;
  }
  const auto request = ParseComRequest(args);
  if (!request) return Usage(context, kSynopsis);
  if (!context.com) {
    context.err << "lns send: --com needs D-Bus, and this lns was built without it\n";
    return kFailed;
  }
  // A window that nobody sees could never be closed, and the plug-in program would never end.
  if (request->show && !(context.windows && context.windows->PersonSeesWindows())) {
    context.err << kShowNeedsDisplay;
    return kFailed;
  }
  try {
    return Direct(context, *request);
  } catch (const platform::RaisedError& error) {
    return ReportRaised(context, error);
  } catch (const DirectorFailure& failure) {
    context.err << "lns send: " << failure.what() << '\n';
  }
  return kFailed;
}

}  // namespace lnstool
