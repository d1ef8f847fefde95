#include "devicemodel/DeviceSettings.h"

#include "platform/registry/MachineSetup.h"
#include "program/Program.h"
#include "services/CRegistry.h"
#include "services/InterfaceLanguage.h"

namespace qvr {

std::optional<Language> ReadPendingSettings(Program& program) {
  DeviceModelState& model = program.model;
  if (!model.SettingsPending) return std::nullopt;
  const Language language = InterfaceLanguage(program.Err, program.Registry());
  model.LonWorksFolder =
      CRegistry(program.Err, program.Registry())
          .MachineSetting(std::string(reg::kLonWorksKey), std::string(reg::kLonWorksPathValue));
  model.DecimalSep = reg::DecimalSeparatorFrom(
      CRegistry(program.Err, program.Registry())
          .Werte(std::string(reg::kInternationalKey), std::string(reg::kDecimalSeparatorValue)));
  model.SettingsPending = false;
  return language;
}

}  // namespace qvr
