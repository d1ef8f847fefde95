// The device resource-file look-up: which resource scope describes each LonMark object of the device.

#include <optional>
#include <string>

#include "identity/PlugInIdentity.h"
#include "mainwindow/device/AbortableSteps.h"
#include "mainwindow/device/ProgressWindows.h"
#include "mainwindow/device/fProgress.h"
#include "mainwindow/fMain.h"
#include "platform/Error.h"
#include "platform/lns/LnsInterface.h"
#include "platform/lns/LnsLonMarkObject.h"
#include "platform/lns/resources/ProfileTemplates.h"
#include "platform/runtime/Present.h"
#include "program/Program.h"
#include "services/CatalogSession.h"
#include "texts/MainMessages.h"

namespace qvr {

namespace {

// From the device's own resource set down to the maker's: the first scope that holds a template wins.
constexpr long kHighestScope = 6;
constexpr long kLowestScope = 3;
constexpr long kReadFile = 0;

// The resource files of one look-up and the objects that read them.
struct ProfileFiles {
  explicit ProfileFiles(reg::MachineRegistry& registry) : catalog(registry) {}

  CatalogSession catalog;
  lns::LnsResourceFile files;
  lns::LnsProfileTemplates templates{files};
};

// A resource file that the catalogue names but that cannot be opened: a failed step without a
// description, so that the box reads "DRFLOOKUP" alone.
[[noreturn]] void FailFileOpen(long status) {
  throw platform::RaisedError(status, kProjectName, "");
}

// Searches the profile files of scopes 6 down to 3 for the object's template and sets the first scope
// that holds it as the object's mode. A mode as wanted is not written again, and a database the user may
// only read keeps the modes it has, so that opening a device there only reads.
void SetModeFromCatalog(Program& program, AbortableSteps& step, ProfileFiles& profiles,
                        const std::string& programId, bool readOnly,
                        std::optional<lns::LnsLonMarkObject>& object) {
  int profileNumber = 0;
  step([&] { profileNumber = runtime::Present(object).GetProfileType(); });
  bool found = false;
  for (long scope = kHighestScope; scope >= kLowestScope && !found && !step.Aborted(); --scope) {
    std::string fileName;
    long fileSelector = 0;
    if (profiles.catalog.FindResourceSet(programId, scope, lns::kProfileFile, fileName, fileSelector) !=
        lns::kResourceOk) {
      continue;
    }
    long fileHandle = 0;
    const StepResult opened = step([&] {
      const long status =
          profiles.files.Open(fileName, lns::kProfileFile, fileSelector, kReadFile, fileHandle);
      if (status != lns::kResourceOk) FailFileOpen(status);
    });
    if (opened != StepResult::Done) continue;  // Ignore passes this scope over
    lns::ProfileTemplate profile;
    if (profiles.templates.Find(fileHandle, profileNumber, profile) == lns::kResourceOk) {
      found = true;
      // The object server writes no mode that is as wanted already.
      if (!readOnly) step([&] { runtime::Present(object).PutMode(static_cast<int>(scope)); });
      step([&] {
        program.fProgress().ShowStatus("Set " + runtime::Present(object).GetName() +
                                       " mode = " + std::to_string(scope));
      });
    }
    profiles.files.Close(fileHandle);
  }
}

}  // namespace

bool fMain::DrfLookUp(const std::optional<lns::LnsAppDevice>& device) {
  AbortableSteps step(program_,
                      {DescriptionThen("DRFLOOKUP"), "fMain in DrfLookUp(fMain)", ui::vbCritical, {}});
  step([&] { program_.fProgress().ShowStatus(program_.texts.MsgMain[kMsgDrfLookUp]); });
  std::string programId;
  std::optional<lns::LnsLonMarkObjects> objects;
  bool readOnly = false;
  step([&] { programId = runtime::Present(device).GetProgramId(); });
  step([&] {
    const auto& network = program_.framework.CurrentNetwork;
    readOnly = network && network->GetIsReadOnly();
  });
  step([&] { objects = runtime::Present(device).GetInterface().GetLonMarkObjects(); });

  ProfileFiles profiles(program_.Registry());
  bool succeeded =
      !step.Aborted() && profiles.catalog.Open(program_.Err, CatalogSession::kToRead) == lns::kResourceOk;
  if (succeeded) {
    long count = 0;
    step([&] { count = runtime::Present(objects).Count(); });
    for (long item = 1; item <= count && !step.Aborted(); ++item) {
      std::optional<lns::LnsLonMarkObject> object;
      step([&] { object = runtime::Present(objects).Item(item); });
      SetModeFromCatalog(program_, step, profiles, programId, readOnly, object);
    }
    succeeded = !step.Aborted();
  }

  if (profiles.catalog.Close() != lns::kResourceOk) {
    program_.Ui().MsgBox("Error closing the catalog", ui::vbCritical + ui::vbOKOnly);
  }
  if (!succeeded) CloseProgressWindows(program_);
  return succeeded;
}

}  // namespace qvr
