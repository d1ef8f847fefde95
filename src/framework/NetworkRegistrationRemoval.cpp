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
// valid. Ignores every error.
void RemoveCommandRegistration(Program& program, std::int32_t level, std::int32_t commandId,
                               const std::string& programId, const std::string& lonMarkObjectName) {
  runtime::ErrObject& err = program.Err;
  std::optional<lns::LnsDeviceTemplate> deviceTemplate;
  if (level == kLevelDeviceTemplate || level == kLevelLonMarkObject) {
    if (!runtime::ResumeNext(
            err, [&] { deviceTemplate = DeviceTemplatesOfCurrentSystem(program).Item(programId); }))
      return;
  }
  std::optional<lns::LnsComponentApps> apps;
  long count = 0;
  if (!runtime::ResumeNext(err, [&] {
        apps = ComponentAppsAtLevel(program, level, deviceTemplate, lonMarkObjectName);
        if (apps) count = apps->Count();
      })) {
    return;
  }
  for (long position = count; position >= 1; --position) {
    std::optional<lns::LnsComponentApp> entry;
    bool ours = false;
    runtime::ResumeNext(err, [&] {
      entry = apps->Item(position);
      ours = BelongsToPlugIn(*entry) && entry->GetCommandId() == commandId;
    });
    if (!ours) continue;
    if (program.framework.ShowProgress) {
      ShowRegistrationStatus(program, programId + "\r\n" + program.texts.MsgFramework[kMsgDeregisterCommand] +
                                          std::to_string(commandId) + "...");
    }
    runtime::ResumeNext(err, [&] { apps->Remove(position); });
  }
}

void RemoveCommandRows(Program& program, const lns::LnsDeviceTemplates& templates,
                       const std::vector<std::string>& programIds, bool includeServerLevel) {
  const CommandTableRows& table = program.framework.CommandTable;
  for (const std::string& programId : programIds) {
    const lns::LnsDeviceTemplate deviceTemplate = templates.Item(programId);
    for (std::int16_t row = 0; row < static_cast<std::int16_t>(table.size()); ++row) {
      const CommandEntry& entry = table[static_cast<std::size_t>(row)];
      if (entry.RegistrationLevel == kLevelObjectServer && !includeServerLevel) continue;
      RemoveCommandRegistration(program, entry.RegistrationLevel, entry.CommandId,
                                deviceTemplate.GetProgramId(), entry.LonMarkObjectName);
      EmptyHook2(row);
    }
  }
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

void DeregisterInNetwork(Program& program, bool offerTemplateRemoval, bool includeServerLevel) {
  HourglassWhileWorking hourglass(program.Ui().Screen());
  std::optional<lns::LnsDeviceTemplates> templates;
  std::vector<std::string> programIds;
  const bool removed = runtime::ResumeNext(program.Err, [&] {
    templates = DeviceTemplatesOfCurrentSystem(program);
    programIds = ProgramIdsWithTemplates(program, *templates);
    RemoveCommandRows(program, *templates, programIds, includeServerLevel);
    RemoveCommandRegistration(program, kLevelSystem, kRegisterCommand, "", "");
  });
  if (!removed) return;
  if (offerTemplateRemoval && program.framework.ShowProgress)
    OfferTemplateRemoval(program, *templates, programIds);
}

}  // namespace qvr
