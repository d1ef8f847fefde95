#include "framework/MachineRegistration.h"

#include "framework/MachineRegistrationValues.h"
#include "framework/PlugInClass.h"
#include "identity/PlugInIdentity.h"
#include "platform/runtime/ResumeNext.h"
#include "program/Program.h"
#include "services/CRegistry.h"
#include "services/InterfaceLanguage.h"
#include "services/TypeFiles.h"
#include "texts/FrameworkMessages.h"
#include "texts/Language.h"

namespace qvr {

namespace {

// The plug-in key as the last registration left it: registered at all, and a later version than this one.
struct RegisteredPlugIn {
  bool registered = false;
  bool newer = false;
};

RegisteredPlugIn ReadRegisteredPlugIn(CRegistry& registry) {
  // Only the default value (the ProgID) tells a registration; a key without it is a first registration.
  if (registry.MachineSetting(kPlugInKey, "").empty()) return {};
  const PlugInVersion version = ParseVersion(registry.MachineSetting(kPlugInKey, "Version"));
  return {true, IsNewerVersion(version, ParseVersion(kPlugInVersion))};
}

}  // namespace

void FillRegistrationTexts(Program& program) {
  runtime::ErrObject ignored;
  const std::string& chosen = program.framework.RegisterLanguage;
  FillTextTables(
      chosen.empty() ? InterfaceLanguage(ignored, program.Registry()) : LanguageFromRegistryValue(chosen),
      program.texts);
}

void RegisterClassAtStart(Program& program) {
  runtime::ErrObject ignored;
  CRegistry registry(ignored, program.Registry());
  if (ReadRegisteredPlugIn(registry).newer) return;
  runtime::ResumeNext(ignored,
                      [&] { RegisterPlugInClass(program.Registry(), program.framework.ProgramFile); });
}

void StartSelf(Program& program, const std::string& serverSwitch) {
  program.Ui().Shell().StartProgram({program.framework.ProgramFile.string(), serverSwitch});
}

bool RegisterPlugIn(Program& program, bool showMessages) {
  FillRegistrationTexts(program);
  const auto& messages = program.texts.MsgFramework;
  runtime::ErrObject& err = program.Err;
  CRegistry registry(err, program.Registry());
  const RegisteredPlugIn before = ReadRegisteredPlugIn(registry);
  if (before.newer) {
    if (showMessages)
      program.Ui().MsgBox(messages[kMsgNewerVersionRegistered], ui::vbInformation, kProjectName);
    return true;
  }

  // A run without a command line (the dialog) has registered the class at its start already.
  err.Clear();
  if (!program.framework.CommandLine.empty())
    runtime::ResumeNext(err, [&] { StartSelf(program, "/regserver"); });
  const bool classRegistered = err.Number == 0;
  if (!classRegistered && showMessages) {
    program.Ui().MsgBox(std::string("Plug-in ") + kProgId + messages[kMsgComRegistrationFailed],
                        ui::vbCritical);
    return false;
  }

  err.Clear();
  for (const auto& [name, value] : PlugInKeyValues(program.framework.RegisterLanguage))
    registry.MachineSetting(kPlugInKey, name, value);
  const bool keyWritten = err.Number == 0;
  // The confirmation speaks the language just stored, which the one registered before may not be (a
  // language typed into the dialog that is no entry of its list stores none).
  if (keyWritten) {
    runtime::ErrObject ignored;
    FillTextTables(InterfaceLanguage(ignored, program.Registry()), program.texts);
  }
  // The type files only spare the user a question later: their errors do not stop the registration.
  runtime::ResumeNext(err, [&] { InstallTypeFiles(program); });

  if (showMessages) {
    if (keyWritten) {
      program.Ui().MsgBox(messages[before.registered ? kMsgUpdatedAs : kMsgRegisteredAs] + kProgId,
                          ui::vbInformation, kProjectName);
    } else {
      // A key that could not be written is no registration: say so instead of reporting success.
      program.Ui().MsgBox(std::string("Error: RegisterPlugIn(") + kPlugInKey + ")", ui::vbCritical,
                          kProjectName);
    }
  }
  return classRegistered && keyWritten;
}

}  // namespace qvr
