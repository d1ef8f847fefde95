#pragma once

#include <optional>

#include "texts/Language.h"

namespace qvr {

class Program;

// The settings of a device command, read once after the main window marks them pending: the LonWorks
// folder, the user's decimal separator ("," when the user has none) and the interface language. Clears
// SettingsPending. Returns the language for the caller's own use (it is not kept), or nothing when nothing
// was pending. Registry errors are not caught here.
std::optional<Language> ReadPendingSettings(Program& program);

}  // namespace qvr
