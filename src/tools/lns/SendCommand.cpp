// `lns send`: acts as an LNS director on the plug-in object in this process: creates it, names the network
// (and the network interface), sends one command, lets a script play the user (docs/lns-send.md), may show
// the main window, and releases the object.
#include <algorithm>
#include <functional>
#include <limits>
#include <optional>
#include <string>

#include "framework/LNSPlugInAPI.h"
#include "mainwindow/fMain.h"
#include "platform/Error.h"
#include "platform/WriteOutputFile.h"
#include "platform/ui/ScriptStops.h"
#include "platform/ui/UiPlatform.h"
#include "platform/ui/headless/HeadlessFormBackend.h"
#include "platform/ui/headless/HeadlessProgramServices.h"
#include "platform/ui/script/UserActions.h"
#include "program/Program.h"
#include "tools/lns/Commands.h"
#include "tools/lns/SendCom.h"
#include "tools/lns/SendPdf.h"
#include "tools/lns/SendRequest.h"
#include "tools/lns/SendWindows.h"

namespace lnstool {

namespace {

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
  for (const int answer : request.answers) services.Boxes().QueueAnswer(answer);
  for (const DialogAnswer& answer : request.dialogAnswers) {
    switch (answer.kind) {
      case DialogAnswer::Kind::File:
        services.TestDialogs().QueueFile(answer.value);
        break;
      case DialogAnswer::Kind::CancelFile:
        services.TestDialogs().QueueFileCancel();
        break;
      case DialogAnswer::Kind::Printer:
        services.TestDialogs().QueuePrinter(true, answer.value);
        break;
    }
  }
}

// Runs the user's actions on the back end's loop.
using ActionRunner = std::function<void(ui::UserActions& script)>;

// The user's part after the command: the window is handed to the user (made visible), then the actions
// run; a `send` action is the director's next command to the same object, held as long as the program
// holds a director's calls.
void RunActions(ui::UserActions& script, qvr::Program& program, qvr::LNSPlugInAPI& plugIn,
                const ActionRunner& run) {
  script.OnSend = [&plugIn](const std::string& words) {
    auto command = ParseSentCommand(words);
    if (!command) throw ui::ActionRefused("send " + words, "send takes COMMAND CLASS PATH");
    plugIn.SendCommand(command->commandId, command->objectClass, command->objectPath);
  };
  script.SendTakenNow = [&program] { return qvr::DirectorCallsMayRun(program); };
  plugIn.SetVisible(true);
  run(script);
}

// Runs the director's part; the plug-in object is released on every way out, as a director's would be.
// `boxes` are the scripted message boxes, for the snapshot; null on real windows.
int Send(ToolContext& context, const SendRequest& request, qvr::Program& program,
         const ui::HeadlessMessageBoxes* boxes, const ActionRunner& run) {
  ui::UserActions script(request.actions, program.App(), boxes);
  qvr::LNSPlugInAPI plugIn(program);
  if (request.interfaceName) plugIn.SetNetworkInterfaceName(*request.interfaceName);
  plugIn.SetNetworkName(request.network);
  std::int32_t commandId = request.commandId;
  std::int16_t objectClass = request.objectClass;
  std::string objectPath = request.objectPath;
  const std::string device = plugIn.SendCommand(commandId, objectClass, objectPath);

  if (!device.empty()) context.out << "device: " << device << '\n';
  if (!request.actions.empty()) RunActions(script, program, plugIn, run);
  if (request.snapshotFile && !platform::WriteOutputFile(*request.snapshotFile, script.SnapshotText())) {
    context.err << "lns send: cannot write the snapshot to " << *request.snapshotFile << '\n';
    return kFailed;
  }
  if (request.window.Wanted()) return PresentMainWindow(context, request.window, program, plugIn);
  return kOk;
}

// Runs `send` and reports what ended it early: an error of the plug-in, a box or dialog without an answer,
// an action that a user could not do.
template <class SendIt>
int Reported(ToolContext& context, SendIt&& send) {
  try {
    return send();
  } catch (const platform::RaisedError& error) {
    ReportRaised(context, error);
  } catch (const ui::UnansweredBox& box) {
    context.err << "lns send: the plug-in showed a message box: " << box.Prompt() << '\n';
  } catch (const ui::ScriptStop& stop) {
    context.err << "lns send: " << stop.what() << '\n';
  }
  return kFailed;
}

// Headless: the boxes and dialogs take the queued answers, the actions run as queued input in virtual
// time (the time of day starts at the machine's); print jobs are recorded, and drawn into the PDF file
// where a pdf:FILE printer was chosen.
int SendHeadless(ToolContext& context, const SendRequest& request) {
  const bool printsPdf =
      std::any_of(request.dialogAnswers.begin(), request.dialogAnswers.end(), [](const DialogAnswer& answer) {
        return answer.kind == DialogAnswer::Kind::Printer && PdfFileOf(answer.value).has_value();
      });
  if (printsPdf && !context.windows) {
    context.err << "lns send: --printer pdf:FILE draws the PDF with Qt, and this lns was built without Qt\n";
    return kFailed;
  }
  ui::HeadlessProgramServices services;
  // The printout is dated as the window's is.
  if (context.windows) services.Clock().WriteWith(context.windows->DateTimes());
  ui::HeadlessFormBackend backend;
  QueueAnswers(services, request);
  std::optional<PdfPrinterChoice> pdfPrinter;
  if (printsPdf) services.AlsoPrintTo(&pdfPrinter.emplace(services.TestDialogs(), *context.windows));
  qvr::Program program(services, backend, context.root);
  return Reported(context, [&] {
    const int code = Send(context, request, program, &services.Boxes(),
                          [&](ui::UserActions& script) { script.Run(services.TestLoop()); });
    if (code == kOk && request.printFile &&
        !platform::WriteOutputFile(*request.printFile, PrintedText(services))) {
      context.err << "lns send: cannot write the printout to " << *request.printFile << '\n';
      return static_cast<int>(kFailed);
    }
    return code;
  });
}

// Real time on real windows: the windows are served until `milliseconds` have passed.
void ServeFor(ui::UiPlatform& windows, platform::EventLoop& loop, long milliseconds) {
  if (milliseconds <= 0) return;
  const std::int64_t end = loop.NowMs() + milliseconds;
  auto wake = loop.CreateTimer([] {});
  wake->SetInterval(static_cast<int>(std::min<long>(milliseconds, std::numeric_limits<int>::max())));
  wake->SetEnabled(true);
  windows.RunUntil([&] { return loop.NowMs() >= end; });
}

// On real windows: the person at the screen answers the message boxes and modal windows.
int SendOnWindows(ToolContext& context, const SendRequest& request) {
  if (!context.windows) {
    context.err << "lns send: --show and --screenshot need windows, and this lns was built without Qt\n";
    return kFailed;
  }
  if (request.window.show && !context.windows->PersonSeesWindows()) {
    context.err << kShowNeedsDisplay;
    return kFailed;
  }
  ui::UiPlatform::Ui windows = context.windows->MakeUi();
  qvr::Program program(*windows.services, *windows.backend, context.root);
  platform::EventLoop& loop = windows.services->Loop();
  return Reported(context, [&] {
    return Send(context, request, program, nullptr, [&](ui::UserActions& script) {
      script.RunInOrder(loop, [&](long milliseconds) { ServeFor(*context.windows, loop, milliseconds); });
    });
  });
}

// The answers of boxes and dialogs and the recorded printout belong to the headless back end; on real
// windows the person at the screen answers, and the printer prints.
bool AnswersForHeadless(const SendRequest& request) {
  return !request.answers.empty() || !request.dialogAnswers.empty() || request.printFile.has_value();
}

}  // namespace

int ReportRaised(ToolContext& context, const platform::RaisedError& error) {
  context.err << "error " << error.Number() << ": " << error.Description() << " (" << error.Source() << ")\n";
  return kFailed;
}

int RunSend(ToolContext& context, const Args& args) {
  std::string problem;
  auto request = ParseSendRequest(args, problem);
  if (!request) {
    if (!problem.empty()) context.err << "lns send: " << problem << '\n';
    return Usage(context, "send");
  }
  if (request->com) return RunSendCom(context, *request);
  if (!request->window.Wanted()) return SendHeadless(context, *request);
  if (AnswersForHeadless(*request)) {
    context.err
        << "lns send: --answer, --file, --cancel-file, --printer and --print answer for the person on "
           "the headless back end; they do not go with --show or --screenshot\n";
    return kFailed;
  }
  return SendOnWindows(context, *request);
}

}  // namespace lnstool
