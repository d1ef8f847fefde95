#include "framework/NetworkRegistration.h"

#include <stdexcept>
#include <string>

#include "framework/NetworkRegistrationParts.h"
#include "platform/registry/MachineSetup.h"
#include "platform/runtime/Present.h"
#include "platform/runtime/ResumeNext.h"
#include "program/Program.h"
#include "services/CRegistry.h"
#include "services/TypeFiles.h"

namespace qvr {

namespace {

// The folder below which each model's interface file lies, in its own folder.
std::string ReadImportPath(Program& program) {
  const std::string lonWorksPath =
      CRegistry(program.Err, program.Registry())
          .MachineSetting(std::string(reg::kLonWorksKey), std::string(reg::kLonWorksPathValue));
  return lonWorksPath + "\\Import\\Calyxtern\\";
}

// Whether the catalogue lists the maker's type files; the user may retry the look-up, go on without it, or
// abort (false).
bool TypeFilesListed(Program& program) {
  while (!FindTypeFilesInCatalog(program)) {
    const int answer = program.Ui().MsgBox(program.texts.MsgFramework[kMsgResourcesNotInCatalog],
                                           ui::vbAbortRetryIgnore + ui::vbInformation);
    if (answer == ui::vbAbort) return false;
    if (answer == ui::vbIgnore) break;
  }
  return true;
}

bool RunRegistration(Program& program, std::string& failureContext) {
  const std::string importPath = ReadImportPath(program);
  lns::LnsDeviceTemplates templates = DeviceTemplatesOfCurrentSystem(program);
  program.framework.IsRemoteClient = runtime::Present(program.framework.ObjectServer).GetRemote();
  ShowRegistrationStatus(program, program.texts.MsgFramework[kMsgCreateTemplates]);
  const std::vector<std::string> programIds =
      EnsureModelTemplates(program, templates, importPath, failureContext);
  failureContext.clear();
  RegisterCommandRows(program, templates, programIds);
  return TypeFilesListed(program);
}

}  // namespace

bool RegisterInNetwork(Program& program) {
  HourglassWhileWorking hourglass(program.Ui().Screen());
  std::string failureContext;
  try {
    return RunRegistration(program, failureContext);
  } catch (const std::runtime_error&) {
    // Kept in program.Err, as any ignored step keeps its error, for whoever reports the failure further.
    runtime::ResumeNext(program.Err, [] { throw; });
  }
  hourglass.Restore();
  program.Ui().MsgBox(program.Err.Description + "\r\n" + failureContext, ui::vbCritical);
  return false;
}

}  // namespace qvr
