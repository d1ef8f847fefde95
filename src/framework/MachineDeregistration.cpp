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

}  // namespace

bool DeregisterPlugIn(Program& program, std::int32_t mode, bool showMessages) {
  program.framework.ShowProgress = showMessages;
  if (mode == kNetworksKeepTemplates || mode == kNetworksOfferTemplateRemoval)
    DeregisterFromAllNetworks(program, mode == kNetworksOfferTemplateRemoval);
  return UnregisterPlugIn(program, true);
}

bool UnregisterPlugIn(Program& program, bool showMessages) {
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
  if (showMessages) {
    program.Ui().MsgBox(
        std::string("Plug-in ") + kProjectName + messages[deleted ? kMsgDeregistered : kMsgKeyMissing],
        ui::vbInformation, kProjectName);
  }
  return deleted;
}

}  // namespace qvr
