#pragma once

#include "platform/registry/MachineRegistry.h"
#include "platform/runtime/ErrObject.h"
#include "texts/Language.h"

namespace qvr {

// The interface language as the plug-in key's "Language" value gives it now, read afresh (through
// CRegistry, which reports into `err`) and turned into a language by LanguageFromRegistryValue.
Language InterfaceLanguage(runtime::ErrObject& err, reg::MachineRegistry& registry);

}  // namespace qvr
