#include "services/InterfaceLanguage.h"

#include "identity/PlugInIdentity.h"
#include "services/CRegistry.h"

namespace qvr {

Language InterfaceLanguage(runtime::ErrObject& err, reg::MachineRegistry& registry) {
  return LanguageFromRegistryValue(CRegistry(err, registry).MachineSetting(kPlugInKey, "Language"));
}

}  // namespace qvr
