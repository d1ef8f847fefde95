#include <string>
#include <utility>
#include <vector>

#include "framework/DeregisterAllNetworks.h"
#include "framework/MachineRegistration.h"
#include "identity/PlugInIdentity.h"
#include "platform/runtime/ResumeNext.h"
#include "program/Program.h"
#include "services/CRegistry.h"
#include "texts/FrameworkMessages.h"

namespace qvr {

namespace {

// The modes of a deregistration that reach the networks; -1, or any other mode, stays on the machine.
constexpr std::int32_t kNetworksKeepTemplates = 0;
constexpr std::int32_t kNetworksOfferTemplateRemoval = 1;

std::string Listed(const std::vector<std::string>& networks) {
  std::string list;
  for (const std::string& network : networks) list += (list.empty() ? "" : ", ") + network;
  return list;
}

// What the message tells was left, a line for each kind: the Object Server that did not open, and why, or
// the networks ("A, B") that did not open, and those whose entries could not be removed.
std::string LeftText(const Program& program, const std::string& plugIn, const NetworksLeft& left) {
  const auto& messages = program.texts.MsgFramework;
  if (left.serverFailure) return plugIn + messages[kMsgObjectServerLeft] + *left.serverFailure;
  std::string text;
  for (const auto& [networks, message] :
       {std::pair{&left.unopened, kMsgNetworksLeft}, std::pair{&left.unchanged, kMsgEntriesLeft}}) {
    if (!networks->empty())
      text += (text.empty() ? "" : "\r") + plugIn + messages[message] + Listed(*networks);
  }
  return text;
}

}  // namespace

bool DeregisterPlugIn(Program& program, std::int32_t mode, bool showMessages) {
  program.framework.ShowProgress = showMessages;
  NetworksLeft left;
  if (mode == kNetworksKeepTemplates || mode == kNetworksOfferTemplateRemoval)
    left = DeregisterFromAllNetworks(program, mode == kNetworksOfferTemplateRemoval);
  return UnregisterPlugIn(program, true, left);
}

bool UnregisterPlugIn(Program& program, bool showMessages, const NetworksLeft& left) {
  FillRegistrationTexts(program);
  const auto& messages = program.texts.MsgFramework;
  runtime::ErrObject& err = program.Err;
  err.Clear();
  if (!runtime::ResumeNext(err, [&] { StartSelf(program, "/unregserver"); })) {
    // The key stays: without its class unregistered the plug-in must not look removed.
    if (showMessages) {
      program.Ui().MsgBox(std::string("Plug-in ") + kProgId + messages[kMsgComDeregistrationFailed] +
                              "\rVerify that there are not instances running\r" + err.Description,
                          ui::vbCritical);
    }
    return false;
  }
  const bool deleted = CRegistry(err, program.Registry()).DeleteMachineKey(kPlugInKey);
  const std::string plugIn = std::string("Plug-in ") + kProjectName;
  if (!deleted && err.Number != 0) {
    // The key is still there: the plug-in stays registered on this machine.
    if (showMessages) {
      program.Ui().MsgBox(plugIn + messages[kMsgKeyNotDeleted] + err.Description, ui::vbCritical,
                          kProjectName);
    }
    return false;
  }
  if (deleted && !left.Empty()) {
    // Removed from the machine but not from every network: no success to report.
    if (showMessages) program.Ui().MsgBox(LeftText(program, plugIn, left), ui::vbExclamation, kProjectName);
    return false;
  }
  if (showMessages) {
    program.Ui().MsgBox(plugIn + messages[deleted ? kMsgDeregistered : kMsgKeyMissing], ui::vbInformation,
                        kProjectName);
  }
  return deleted;
}

}  // namespace qvr
