// `lns send`: acts as an LNS director on the plug-in object in this process: creates it, names the network
// (and the network interface), sends one command, may show the main window, and releases the object.
#include <fstream>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "framework/LNSPlugInAPI.h"
#include "framework/Program.h"
#include "mainwindow/fMain.h"
#include "platform/Error.h"
#include "platform/lnstool/Commands.h"
#include "platform/lnstool/SendWindows.h"
#include "platform/lnstool/UiPlatform.h"
#include "platform/lnstool/WholeNumber.h"
#include "platform/ui/HeadlessFormBackend.h"
#include "platform/ui/HeadlessServices.h"
#include "platform/ui/HeadlessServicesScript.h"
#include "platform/ui/Snapshot.h"

namespace lnstool {

namespace {

struct SendRequest {
  std::string network;
  std::int32_t commandId = 0;
  std::int16_t objectClass = 0;
  std::string objectPath;
  std::optional<std::string> interfaceName;
  std::optional<std::string> snapshotFile;
  MainWindowRequest window;
};

template <class Int>
std::optional<Int> ParseNumber(const std::string& text) {
  auto value = ParseWholeNumber(text);
  if (!value || *value > std::numeric_limits<Int>::max()) return std::nullopt;
  return static_cast<Int>(*value);
}

// The request of the command line; nothing when it is not one (an option given twice or without its value).
std::optional<SendRequest> ParseRequest(const Args& args) {
  SendRequest request;
  std::vector<std::string> positional;
  for (std::size_t index = 0; index < args.size(); ++index) {
    const std::string& word = args[index];
    if (word == "--show") {
      if (request.window.show) return std::nullopt;
      request.window.show = true;
      continue;
    }
    std::optional<std::string>* option = word == "--interface"    ? &request.interfaceName
                                         : word == "--snapshot"   ? &request.snapshotFile
                                         : word == "--screenshot" ? &request.window.screenshotFile
                                                                  : nullptr;
    if (!option) {
      positional.push_back(word);
      continue;
    }
    if (option->has_value() || index + 1 == args.size()) return std::nullopt;
    *option = args[++index];
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

bool WriteSnapshot(const std::string& file, const ui::Form& window) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << ui::Snapshot(window);
  out.close();
  return static_cast<bool>(out);
}

// Runs the director's part; the plug-in object is released on every way out, as a director's would be.
int Send(ToolContext& context, const SendRequest& request, qvr::Program& program) {
  qvr::LNSPlugInAPI plugIn(program);
  if (request.interfaceName) plugIn.SetNetworkInterfaceName(*request.interfaceName);
  plugIn.SetNetworkName(request.network);
  std::int32_t commandId = request.commandId;
  std::int16_t objectClass = request.objectClass;
  std::string objectPath = request.objectPath;
  plugIn.SendCommand(commandId, objectClass, objectPath);

  if (const auto& device = program.framework.CurrentDevice)
    context.out << "device: " << device->GetName() << '\n';
  if (request.snapshotFile && !WriteSnapshot(*request.snapshotFile, program.fMain())) {
    context.err << "lns send: cannot write the snapshot to " << *request.snapshotFile << '\n';
    return kFailed;
  }
  if (request.window.Wanted()) return PresentMainWindow(context, request.window, program, plugIn);
  return kOk;
}

int ReportRaised(ToolContext& context, const platform::RaisedError& error) {
  context.err << "error " << error.Number() << ": " << error.Description() << " (" << error.Source() << ")\n";
  return kFailed;
}

// What to tell about a box or dialog that nobody can answer here: the box's own text when it was a box.
std::string DescribeUnanswered(ui::HeadlessServices& services, const ui::UnscriptedDialog& unanswered) {
  const auto& boxes = services.TestBoxes().Shown();
  if (!boxes.empty() && boxes.back().answer == 0) {
    return "the plug-in showed a message box: " + boxes.back().request.prompt;
  }
  return unanswered.what();
}

// Headless: nothing answers a message box, so a box that the plug-in shows ends the command.
int SendHeadless(ToolContext& context, const SendRequest& request) {
  ui::HeadlessServices services;
  ui::HeadlessFormBackend backend;
  qvr::Program program(services, backend, context.root);
  try {
    return Send(context, request, program);
  } catch (const platform::RaisedError& error) {
    return ReportRaised(context, error);
  } catch (const ui::UnscriptedDialog& unanswered) {
    context.err << "lns send: " << DescribeUnanswered(services, unanswered) << '\n';
  }
  return kFailed;
}

// On real windows: the person at the screen answers the message boxes.
int SendOnWindows(ToolContext& context, const SendRequest& request) {
  if (!context.windows) {
    context.err << "lns send: --show and --screenshot need windows, and this lns was built without Qt\n";
    return kFailed;
  }
  if (request.window.show && !context.windows->PersonSeesWindows()) {
    context.err
        << "lns send: --show needs a display (neither DISPLAY nor WAYLAND_DISPLAY is set); run it on a "
           "desktop or under xvfb-run\n";
    return kFailed;
  }
  UiPlatform::Ui windows = context.windows->MakeUi();
  qvr::Program program(*windows.services, *windows.backend, context.root);
  try {
    return Send(context, request, program);
  } catch (const platform::RaisedError& error) {
    return ReportRaised(context, error);
  }
}

}  // namespace

int RunSend(ToolContext& context, const Args& args) {
  auto request = ParseRequest(args);
  if (!request) return Usage(context, "send");
  return request->window.Wanted() ? SendOnWindows(context, *request) : SendHeadless(context, *request);
}

}  // namespace lnstool
