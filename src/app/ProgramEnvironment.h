#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "platform/ui/DisplaySettings.h"

// What the programs take from their environment. Only the programs' main reads it (through these);
// everything below is handed the values.
namespace app {

// The variable's value; empty when it is unset.
std::string EnvironmentValue(const char* name);

// The machine root that the environment names (platform::MachineRoot).
std::filesystem::path MachineRootFromEnvironment();

// Where the windows can show.
ui::DisplaySettings DisplayFromEnvironment();

// The user's language and regional settings by name (LANGUAGE, LANG, every LC_ variable), those of the C
// library's categories that are unset as empty values: what a director hands to the program that the bus
// starts for it.
std::map<std::string, std::string> LanguageFromEnvironment();

// The address of the bus that started this program (empty when none did). The bus's variables are then
// left out of what the program hands on, so that a document's viewer it starts is the user's and does not
// end with that bus (`lns bus stop` ends the programs it started, found by the variables they were started
// with, which /proc still shows).
std::string TakeBusStarterAddress();

}  // namespace app
