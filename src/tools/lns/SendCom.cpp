// `lns send --com`: the director's part of `lns send`, with the plug-in object in the plug-in program.
#include "tools/lns/SendCom.h"

#include <chrono>
#include <string>
#include <thread>

#include "platform/Error.h"
#include "platform/ui/UiPlatform.h"
#include "tools/lns/ComDirector.h"
#include "tools/lns/SendRequest.h"
#include "tools/lns/SendWindows.h"

namespace lnstool {

namespace {

// What needs the plug-in's windows, answers or printout in this process; none of it goes with --com.
const char* InProcessOption(const SendRequest& request) {
  if (!request.actions.empty()) return "--do";
  if (!request.answers.empty()) return "--answer";
  if (!request.dialogAnswers.empty()) return "--file, --cancel-file and --printer";
  if (request.snapshotFile) return "--snapshot";
  if (request.printFile) return "--print";
  if (request.window.screenshotFile) return "--screenshot";
  return nullptr;
}

// How often a director that shows the window asks whether the user has closed it.
constexpr std::chrono::milliseconds kShownCheck{200};

// The plug-in object is released on every way out, as a director's would be. With --show the director
// holds it until the user closes the window, as a director holds the plug-in while the user works in it:
// the window keeps its monitoring, and the release then ends the plug-in program.
int Direct(ToolContext& context, const SendRequest& request) {
  std::unique_ptr<RemotePlugIn> plugIn = context.com->CreatePlugIn(context.root);
  if (request.interfaceName) plugIn->SetNetworkInterfaceName(*request.interfaceName);
  plugIn->SetNetworkName(request.network);
  const std::string device = plugIn->SendCommand(request.commandId, request.objectClass, request.objectPath);
  if (!device.empty()) context.out << "device: " << device << '\n';
  if (request.window.show) {
    plugIn->SetVisible(true);
    context.out.flush();  // what the command printed shows while the window is served
    while (plugIn->Visible()) std::this_thread::sleep_for(kShownCheck);
  }
  return kOk;
}

}  // namespace

int RunSendCom(ToolContext& context, const SendRequest& request) {
  if (const char* option = InProcessOption(request)) {
    context.err << "lns send: " << option
                << " works only with the plug-in in this process; leave out --com to use it\n";
    return kUsage;
  }
  if (!context.com) {
    context.err << "lns send: --com needs D-Bus, and this lns was built without it\n";
    return kFailed;
  }
  // A window that nobody sees could never be closed, and the plug-in program would never end.
  if (request.window.show && !(context.windows && context.windows->PersonSeesWindows())) {
    context.err << kShowNeedsDisplay;
    return kFailed;
  }
  try {
    return Direct(context, request);
  } catch (const platform::RaisedError& error) {
    return ReportRaised(context, error);
  } catch (const DirectorFailure& failure) {
    context.err << "lns send: " << failure.what() << '\n';
  }
  return kFailed;
}

}  // namespace lnstool
