#include "devicemodel/DeviceSettings.h"

#include "framework/CRegistry.h"
#include "framework/PlugInIdentity.h"
#include "platform/registry/MachineSetup.h"
#include "program/Program.h"

namespace qvr {

std::string ReadPendingSettings(Program& program) {
  DeviceModelState& model = program.model;
  if (!model.SettingsPending) return "";
  std::string language = CRegistry(program.Err, program.Registry()).MachineSetting(kPlugInKey, "Language");
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
