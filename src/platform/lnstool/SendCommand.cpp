// `lns send`: acts as an LNS director on the plug-in object in this process: creates it, names the network
// (and the network interface), sends one command, lets a script play the user (docs/lns-send.md), may show
// the main window, and releases the object.
#include <fstream>
#include <string>

#include "framework/LNSPlugInAPI.h"
#include "framework/Program.h"
#include "mainwindow/fMain.h"
#include "platform/Error.h"
#include "platform/lnstool/Commands.h"
#include "platform/lnstool/SendRequest.h"
#include "platform/lnstool/SendWindows.h"
#include "platform/lnstool/UiPlatform.h"
#include "platform/ui/HeadlessFormBackend.h"
#include "platform/ui/HeadlessRunSnapshot.h"
#include "platform/ui/HeadlessServices.h"
#include "platform/ui/HeadlessServicesScript.h"
#include "platform/ui/UserActions.h"

namespace lnstool {

namespace {

bool WriteFile(const std::string& file, const std::string& text) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  return static_cast<bool>(out);
}

// What the headless printer printed, every document after the other, pages separated by form feeds.
std::string PrintedText(const ui::HeadlessServices& services) {
  std::string text;
  for (const ui::PrintedDocument& document : services.TestPrinted()) {
    if (!text.empty()) text += "\f\n";
    text += document.ToText();
  }
  return text;
}

void QueueAnswers(ui::HeadlessServices& services, const SendRequest& request) {
  for (const int answer : request.answers) services.TestBoxes().QueueAnswer(answer);
  for (const DialogAnswer& answer : request.dialogAnswers) {
    switch (answer.kind) {
      case DialogAnswer::Kind::File:
        services.TestDialogs().QueueFile(answer.value);
        break;
      case DialogAnswer::Kind::CancelFile:
        services.TestDialogs().QueueFileCancel();
        break;
      case DialogAnswer::Kind::Printer:
        services.TestDialogs().QueuePrinter(true);
        break;
    }
  }
}

// The user's part after the command: the window is handed to the user (made visible), then the actions
// run; a `send` action is the director's next command to the same object.
void RunActions(ui::UserActions& script, qvr::LNSPlugInAPI& plugIn) {
  script.OnSend = [&plugIn](const std::string& words) {
    auto command = ParseSentCommand(words);
    if (!command) throw ui::ActionRefused("send " + words, "send takes COMMAND CLASS PATH");
    plugIn.SendCommand(command->commandId, command->objectClass, command->objectPath);
  };
  plugIn.SetVisible(true);
  script.Run();
}

// Runs the director's part; the plug-in object is released on every way out, as a director's would be.
// `script` is the user's part, on the headless back end only.
int Send(ToolContext& context, const SendRequest& request, qvr::Program& program, ui::UserActions* script) {
  qvr::LNSPlugInAPI plugIn(program);
  if (request.interfaceName) plugIn.SetNetworkInterfaceName(*request.interfaceName);
  plugIn.SetNetworkName(request.network);
  std::int32_t commandId = request.commandId;
  std::int16_t objectClass = request.objectClass;
  std::string objectPath = request.objectPath;
  plugIn.SendCommand(commandId, objectClass, objectPath);

  if (const auto& device = program.framework.CurrentDevice)
    context.out << "device: " << device->GetName() << '\n';
  if (script && !request.actions.empty()) RunActions(*script, plugIn);
  if (request.snapshotFile) {
    const std::string text = script ? script->SnapshotText() : ui::RunSnapshot(program.App(), {});
    if (!WriteFile(*request.snapshotFile, text)) {
      context.err << "lns send: cannot write the snapshot to " << *request.snapshotFile << '\n';
      return kFailed;
    }
  }
  if (request.window.Wanted()) return PresentMainWindow(context, request.window, program, plugIn);
  return kOk;
}

int ReportRaised(ToolContext& context, const platform::RaisedError& error) {
  context.err << "error " << error.Number() << ": " << error.Description() << " (" << error.Source() << ")\n";
  return kFailed;
}

// Headless: the boxes and dialogs take the queued answers; one that has none left ends the command, and
// so does an action that a user could not do.
int SendHeadless(ToolContext& context, const SendRequest& request) {
  ui::HeadlessServices services;
  ui::HeadlessFormBackend backend;
  QueueAnswers(services, request);
  qvr::Program program(services, backend, context.root);
  try {
    ui::UserActions script(request.actions, program.App(), services.TestLoop(), &services.TestBoxes());
    const int code = Send(context, request, program, &script);
    if (code == kOk && request.printFile && !WriteFile(*request.printFile, PrintedText(services))) {
      context.err << "lns send: cannot write the printout to " << *request.printFile << '\n';
      return kFailed;
    }
    return code;
  } catch (const platform::RaisedError& error) {
    return ReportRaised(context, error);
  } catch (const ui::UnansweredBox& box) {
    context.err << "lns send: the plug-in showed a message box: " << box.Prompt() << '\n';
  } catch (const ui::UnscriptedDialog& unanswered) {
    context.err << "lns send: " << unanswered.what() << '\n';
  } catch (const ui::ActionRefused& refused) {
    context.err << "lns send: " << refused.what() << '\n';
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
    return Send(context, request, program, nullptr);
  } catch (const platform::RaisedError& error) {
    return ReportRaised(context, error);
  }
}

// The user's part of a script and the answers of its boxes and dialogs play on the headless back end;
// on real windows the person at the screen does all that.
bool ScriptsTheUser(const SendRequest& request) {
  return !request.actions.empty() || !request.answers.empty() || !request.dialogAnswers.empty() ||
         request.printFile.has_value();
}

}  // namespace

int RunSend(ToolContext& context, const Args& args) {
  std::string problem;
  auto request = ParseSendRequest(args, problem);
  if (!request) {
    if (!problem.empty()) context.err << "lns send: " << problem << '\n';
    return Usage(context, kSendSynopsis);
  }
  if (!request->window.Wanted()) return SendHeadless(context, *request);
  if (ScriptsTheUser(*request)) {
    context.err
        << "lns send: --do, --answer, --file, --cancel-file, --printer and --print play the user on the "
           "headless back end; they do not go with --show or --screenshot\n";
    return kFailed;
  }
  return SendOnWindows(context, *request);
}

}  // namespace lnstool
