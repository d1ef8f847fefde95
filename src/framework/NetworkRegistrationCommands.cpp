// The registration's second step: each command of the command table as a component application, and
// whether it is the default action.
#include <map>

#include "framework/DisplayNames.h"
#include "framework/NetworkRegistrationParts.h"
#include "identity/PlugInIdentity.h"
#include "platform/lns/LnsObjectModel.h"
#include "platform/runtime/Present.h"
#include "platform/runtime/ResumeNext.h"
#include "program/Program.h"

namespace qvr {

namespace {

// The status line's reason when a row's level names no place for component applications.
constexpr const char* kNoPlaceForCommand = "ComponentApp was not created.";

// The default-action answers of one registration, by command label: each label is asked about once,
// however many templates carry its command.
using DefaultAnswers = std::map<std::string, bool>;

std::optional<lns::LnsComponentApp> FindPlugInEntry(const lns::LnsComponentApps& apps,
                                                    const CommandEntry& row) {
  const long count = apps.Count();
  for (long position = 1; position <= count; ++position) {
    lns::LnsComponentApp entry = apps.Item(position);
    if (BelongsToPlugIn(entry) && entry.GetCommandId() == row.CommandId &&
        entry.GetObjectClass() == row.ObjectClassId) {
      return entry;
    }
  }
  return std::nullopt;
}

// A new entry named after the command, numbered when the name is taken. A failure is reported here, with
// the error's number and description; nothing comes back then.
std::optional<lns::LnsComponentApp> FindOrCreateComponentApp(Program& program, lns::LnsComponentApps& apps,
                                                             const CommandEntry& row) {
  const std::string name = FirstFreeName(row.CommandLabel, [&](const std::string& candidate) {
    runtime::ErrObject ignored;
    return runtime::ResumeNext(ignored, [&] { apps.Item(candidate); });
  });
  runtime::ErrObject& err = program.Err;
  err.Clear();
  std::optional<lns::LnsComponentApp> created;
  if (runtime::ResumeNext(err, [&] { created = apps.Add(name, kProgId, row.ObjectClassId); })) return created;
  program.Ui().MsgBox(std::to_string(err.Number) + err.Description, ui::vbOKOnly);
  return std::nullopt;
}

std::string DefaultQuestion(Program& program, const CommandEntry& row, const std::string& templateName) {
  const auto& msg = program.texts.MsgFramework;
  const std::string start = msg[kMsgMakeDefault] + CommandName(row.CommandId);
  switch (row.RegistrationLevel) {
    case kLevelDeviceTemplate:
      return start + msg[kMsgDefaultActionFor] + templateName + msg[kMsgDevicesQuestion];
    case kLevelLonMarkObject:
      return start + msg[kMsgDefaultForLonMarkObject] + row.LonMarkObjectName + msg[kMsgOn] + templateName +
             msg[kMsgDevicesQuestion];
    default:
      return start + msg[kMsgDefaultActionFor] +
             ObjectClassName(static_cast<std::int16_t>(row.ObjectClassId)) + msg[kMsgObjectsQuestion];
  }
}

bool DefaultAnswer(Program& program, DefaultAnswers& asked, const CommandEntry& row,
                   const std::string& templateName) {
  if (auto known = asked.find(row.CommandLabel); known != asked.end()) return known->second;
  const bool answer =
      row.MakeDefault && program.Ui().MsgBox(DefaultQuestion(program, row, templateName),
                                             ui::vbYesNo + ui::vbQuestion, kProjectName) == ui::vbYes;
  asked.emplace(row.CommandLabel, answer);
  return answer;
}

// A place has one default action: the entries of other plug-ins give theirs up, this plug-in's keep theirs.
void ApplyDefault(lns::LnsComponentApps& apps, lns::LnsComponentApp& entry, bool makeDefault) {
  entry.PutDefault(makeDefault);
  if (!makeDefault) return;
  for (long position = apps.Count(); position >= 1; --position) {
    lns::LnsComponentApp other = apps.ItemByIndex(position);
    if (!BelongsToPlugIn(other)) other.PutDefault(false);
  }
}

// Registers one row for one template; false when the row's level has no place to register at.
bool RegisterRow(Program& program, DefaultAnswers& asked, const lns::LnsDeviceTemplate& deviceTemplate,
                 const CommandEntry& row) {
  const auto& msg = program.texts.MsgFramework;
  const std::string templateName = deviceTemplate.GetName();
  std::optional<lns::LnsComponentApps> apps =
      ComponentAppsAtLevel(program, row.RegistrationLevel, deviceTemplate, row.LonMarkObjectName);
  if (!apps) {
    ShowRegistrationStatus(program, msg[kMsgErrorAddingCommand] + CommandName(row.CommandId) +
                                        msg[kMsgForDeviceTemplate] + templateName + ". \r\n" +
                                        kNoPlaceForCommand);
    return false;
  }
  ShowRegistrationStatus(
      program, templateName + "\r\n" + msg[kMsgAddingCommand] + CommandName(row.CommandId) + " for " +
                   ObjectClassName(static_cast<std::int16_t>(row.ObjectClassId)) + " objects...");

  std::optional<lns::LnsComponentApp> entry = FindPlugInEntry(*apps, row);
  if (!entry) entry = FindOrCreateComponentApp(program, *apps, row);
  lns::LnsComponentApp& app = runtime::Present(entry);
  app.PutCommandId(row.CommandId);
  app.PutText(row.ComponentAppText);
  app.PutVersion(kPlugInVersion);
  app.PutManufacturerId(kManufacturerId);
  ApplyDefault(*apps, app, DefaultAnswer(program, asked, row, templateName));
  return true;
}

}  // namespace

void RegisterCommandRows(Program& program, lns::LnsDeviceTemplates& templates,
                         const std::vector<std::string>& programIds) {
  DefaultAnswers asked;
  const CommandTableRows& table = program.framework.CommandTable;
  for (const std::string& programId : programIds) {
    const lns::LnsDeviceTemplate deviceTemplate = templates.Item(programId);
    for (std::int16_t row = 0; row < static_cast<std::int16_t>(table.size()); ++row) {
      if (RegisterRow(program, asked, deviceTemplate, table[static_cast<std::size_t>(row)])) EmptyHook2(row);
      program.Ui().DoEvents();
    }
  }
}

}  // namespace qvr
