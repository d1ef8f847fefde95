#include "framework/InterfaceLanguage.h"

#include "framework/CRegistry.h"
#include "framework/PlugInIdentity.h"

namespace qvr {

Language InterfaceLanguage(runtime::ErrObject& err, reg::MachineRegistry& registry) {
  return LanguageFromRegistryValue(CRegistry(err, registry).MachineSetting(kPlugInKey, "Language"));
}

}  // namespace qvr
