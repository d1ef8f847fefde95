// Where the plug-in's entries live in a network, and the progress feedback of the registration.
#include "datapoints/ModelTable.h"
#include "devicemodel/ApplyDeviceModel.h"
#include "framework/NetworkRegistrationParts.h"
#include "identity/PlugInIdentity.h"
#include "mainwindow/device/fProgress.h"
#include "platform/lns/LnsObjectModel.h"
#include "platform/runtime/Present.h"
#include "platform/runtime/ResumeNext.h"
#include "program/Program.h"

namespace qvr {

std::vector<std::string> SupportedProgramIds(Program& program) {
  std::string noProgramId;
  std::int16_t modelTableGroup = 0;
  std::int16_t noFill = 0;
  std::int16_t spare = 0;
  std::string noItemKind;
  std::int16_t noItem = 0;
  ApplyDeviceModel(program, noProgramId, modelTableGroup, noFill, spare, noItemKind, noItem);

  const DeviceModelState& models = program.model;
  std::vector<std::string> programIds;
  for (std::int16_t model = models.ModelFirst; model <= models.ModelLast; ++model) {
    programIds.push_back(ProgramIdOfModel(models.ProgramIdPrefix, model));
  }
  return programIds;
}

lns::LnsDeviceTemplates DeviceTemplatesOfCurrentSystem(Program& program) {
  return runtime::Present(program.framework.CurrentSystem).GetTemplateLibrary().GetDeviceTemplates();
}

bool TemplateFound(const lns::LnsDeviceTemplates& templates, const std::string& nameOrProgramId,
                   runtime::ErrObject& lookUp) {
  return runtime::ResumeNext(lookUp, [&] { templates.Item(nameOrProgramId); });
}

std::optional<lns::LnsComponentApps> ComponentAppsAtLevel(
    Program& program, std::int32_t level, const std::optional<lns::LnsDeviceTemplate>& deviceTemplate,
    const std::string& lonMarkObjectName) {
  switch (level) {
    case kLevelObjectServer:
      return runtime::Present(program.framework.ObjectServer).GetComponentApps();
    case kLevelSystem:
      return runtime::Present(program.framework.CurrentSystem).GetComponentApps();
    case kLevelDeviceTemplate:
      if (!deviceTemplate) runtime::RaiseObjectNotSet();
      return deviceTemplate->GetComponentApps();
    case kLevelLonMarkObject:
      if (!deviceTemplate) runtime::RaiseObjectNotSet();
      return deviceTemplate->GetInterface().GetLonMarkObjects().Item(lonMarkObjectName).GetComponentApps();
    default:
      return std::nullopt;
  }
}

std::string FirstFreeName(const std::string& baseName, const std::function<bool(const std::string&)>& taken) {
  constexpr int kLastNumber = 1000;
  std::string name = baseName;
  for (int number = 1; taken(name); ++number) {
    name = baseName + " (" + std::to_string(number) + ")";
    if (number == kLastNumber) break;
  }
  return name;
}

bool BelongsToPlugIn(const lns::LnsComponentApp& entry) {
  return entry.GetProgId() == kProgId;
}

void ShowRegistrationStatus(Program& program, const std::string& text) {
  program.fProgress().ShowStatus(text);
}

HourglassWhileWorking::HourglassWhileWorking(ui::Screen& screen)
    : screen_(screen), remembered_(screen.MousePointer()) {
  screen_.SetMousePointer(ui::vbHourglass);
}

void HourglassWhileWorking::Restore() {
  if (restored_) return;
  restored_ = true;
  screen_.SetMousePointer(remembered_);
}

}  // namespace qvr
