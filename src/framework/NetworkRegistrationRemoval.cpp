// Removing the plug-in's registration from the open network.
#include <optional>
#include <string>

#include "framework/NetworkRegistration.h"
#include "framework/NetworkRegistrationParts.h"
#include "platform/lns/LnsObjectModel.h"
#include "platform/runtime/ResumeNext.h"
#include "program/Program.h"

namespace qvr {

namespace {

// The registration command itself: nothing registers it, but entries of it at the system are removed.
constexpr std::int32_t kRegisterCommand = 50;

// The supported models' program IDs whose templates the network has.
std::vector<std::string> ProgramIdsWithTemplates(Program& program, const lns::LnsDeviceTemplates& templates) {
  std::vector<std::string> present;
  for (const std::string& programId : SupportedProgramIds(program)) {
    runtime::ErrObject lookUp;
    if (TemplateFound(templates, programId, lookUp)) present.push_back(programId);
  }
  return present;
}

// Removes every entry of this plug-in for `commandId` (of any object class) at `level`; for levels 3 and 4
// at the template of `programId`. Walks from the last entry down, so that the positions still to visit stay
// valid. Goes on past every error; false when an entry could not be removed, or the entries could not be
// read, so that some may be left.
bool RemoveCommandRegistration(Program& program, std::int32_t level, std::int32_t commandId,
                               const std::string& programId, const std::string& lonMarkObjectName) {
  runtime::ErrObject& err = program.Err;
  std::optional<lns::LnsDeviceTemplate> deviceTemplate;
  if (level == kLevelDeviceTemplate || level == kLevelLonMarkObject) {
    if (!runtime::ResumeNext(
            err, [&] { deviceTemplate = DeviceTemplatesOfCurrentSystem(program).Item(programId); }))
      return false;
  }
  std::optional<lns::LnsComponentApps> apps;
  long count = 0;
  if (!runtime::ResumeNext(err, [&] {
        apps = ComponentAppsAtLevel(program, level, deviceTemplate, lonMarkObjectName);
        if (apps) count = apps->Count();
      })) {
    return false;
  }
  bool removed = true;
  for (long position = count; position >= 1; --position) {
    std::optional<lns::LnsComponentApp> entry;
    bool ours = false;
    if (!runtime::ResumeNext(err, [&] {
          entry = apps->Item(position);
          ours = BelongsToPlugIn(*entry) && entry->GetCommandId() == commandId;
        })) {
      removed = false;
    }
    if (!ours) continue;
    if (program.framework.ShowProgress) {
      ShowRegistrationStatus(program, programId + "\r\n" + program.texts.MsgFramework[kMsgDeregisterCommand] +
                                          std::to_string(commandId) + "...");
    }
    if (!runtime::ResumeNext(err, [&] { apps->Remove(position); })) removed = false;
  }
  return removed;
}

// False when some entry may be left (RemoveCommandRegistration).
bool RemoveCommandRows(Program& program, const lns::LnsDeviceTemplates& templates,
                       const std::vector<std::string>& programIds, bool includeServerLevel) {
  const CommandTableRows& table = program.framework.CommandTable;
  bool removed = true;
  for (const std::string& programId : programIds) {
    const lns::LnsDeviceTemplate deviceTemplate = templates.Item(programId);
    for (std::int16_t row = 0; row < static_cast<std::int16_t>(table.size()); ++row) {
      const CommandEntry& entry = table[static_cast<std::size_t>(row)];
      if (entry.RegistrationLevel == kLevelObjectServer && !includeServerLevel) continue;
      removed = RemoveCommandRegistration(program, entry.RegistrationLevel, entry.CommandId,
                                          deviceTemplate.GetProgramId(), entry.LonMarkObjectName) &&
                removed;
      EmptyHook2(row);
    }
  }
  return removed;
}

// Asks, for each template of `programIds` that no device uses, whether to remove it. A template whose
// name or devices cannot be read is passed over.
void OfferTemplateRemoval(Program& program, lns::LnsDeviceTemplates& templates,
                          const std::vector<std::string>& programIds) {
  const auto& msg = program.texts.MsgFramework;
  for (const std::string& programId : programIds) {
    runtime::ErrObject lookUp;
    std::string name;
    long devices = 0;
    if (!runtime::ResumeNext(lookUp, [&] {
          const lns::LnsDeviceTemplate deviceTemplate = templates.Item(programId);
          name = deviceTemplate.GetName();
          devices = deviceTemplate.GetAppDevices().Count();
        })) {
      continue;
    }
    if (devices != 0) continue;
    program.Ui().DoEvents();
    const std::string question = msg[kMsgTemplateUnused] + name + msg[kMsgTemplateUnusedQuestion];
    if (program.Ui().MsgBox(question, ui::vbYesNo + ui::vbExclamation) != ui::vbYes) continue;
    runtime::ErrObject removal;
    if (!runtime::ResumeNext(removal, [&] { templates.Remove(name); })) {
      program.Ui().MsgBox(msg[kMsgCannotRemoveTemplate] + name, ui::vbCritical);
    }
  }
}

}  // namespace

bool DeregisterInNetwork(Program& program, bool offerTemplateRemoval, bool includeServerLevel) {
  HourglassWhileWorking hourglass(program.Ui().Screen());
  std::optional<lns::LnsDeviceTemplates> templates;
  std::vector<std::string> programIds;
  bool removed = true;
  const bool ran = runtime::ResumeNext(program.Err, [&] {
    templates = DeviceTemplatesOfCurrentSystem(program);
    programIds = ProgramIdsWithTemplates(program, *templates);
    removed = RemoveCommandRows(program, *templates, programIds, includeServerLevel);
    removed = RemoveCommandRegistration(program, kLevelSystem, kRegisterCommand, "", "") && removed;
  });
  if (!ran) return false;
  if (offerTemplateRemoval && program.framework.ShowProgress)
    OfferTemplateRemoval(program, *templates, programIds);
  return removed;
}

}  // namespace qvr
