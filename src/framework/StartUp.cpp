#include "framework/StartUp.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <optional>

#include "framework/MachineRegistration.h"
#include "framework/fRegisterPlugIn.h"
#include "platform/Error.h"
#include "platform/runtime/SplitAt.h"
#include "program/Program.h"

namespace qvr {

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// One entry of the command-line table: a registration with a language ("" keeps the language unchosen) or
// a deregistration with a mode.
struct CommandLineEntry {
  const char* commandLine;
  bool registers;
  const char* language;
  std::int32_t deregistrationMode;
};

constexpr std::array<CommandLineEntry, 7> kCommandLines{{
    {"/regplugin", true, "", 0},
    {"/deregplugin", false, "", 1},
    {"/regplugin /german", true, "german", 0},
    {"/regplugin /english", true, "english", 0},
    {"/deregplugin /deregmode:-1", false, "", -1},
    {"/deregplugin /deregmode:0", false, "", 0},
    {"/deregplugin /deregmode:1", false, "", 1},
}};

std::optional<CommandLineEntry> FindCommandLine(const std::string& commandLine) {
  const std::string compared = Lower(runtime::Trim(commandLine));
  for (const CommandLineEntry& entry : kCommandLines) {
    if (compared == entry.commandLine) return entry;
  }
  return std::nullopt;
}

// Command-line registration shows no message; deregistration shows its messages and progress.
bool RunCommandLine(Program& program, const CommandLineEntry& entry) {
  if (!entry.registers) return DeregisterPlugIn(program, entry.deregistrationMode, true);
  if (*entry.language) program.framework.RegisterLanguage = entry.language;
  return RegisterPlugIn(program, false);
}

StartMode ServerSwitch(const std::string& arg) {
  const std::string word = Lower(arg);
  if (word.size() < 2 || (word[0] != '/' && word[0] != '-')) return StartMode::StandAlone;
  const std::string name = word.substr(1);
  if (name == "regserver") return StartMode::RegisterServer;
  if (name == "unregserver") return StartMode::UnregisterServer;
  if (name == "embedding") return StartMode::ComServer;
  return StartMode::StandAlone;
}

}  // namespace

StartMode StartModeOf(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    const StartMode mode = ServerSwitch(arg);
    if (mode != StartMode::StandAlone) return mode;
  }
  return StartMode::StandAlone;
}

std::string CommandLineOf(const std::vector<std::string>& args) {
  std::string commandLine;
  for (std::size_t index = 0; index < args.size(); ++index) {
    if (index > 0) commandLine += ' ';
    commandLine += args[index];
  }
  return commandLine;
}

int Main(Program& program) {
  RegisterClassAtStart(program);
  if (const auto entry = FindCommandLine(program.framework.CommandLine)) {
    try {
      const bool succeeded = RunCommandLine(program, *entry);
      program.EndProgram();
      return succeeded ? 0 : 1;
    } catch (const platform::RaisedError&) {
      // An error of the command leaves the choice to the user: the dialog follows.
    }
  }
  program.Windows().Get<fRegisterPlugIn>(program).Show(ui::Modality::Modeless);
  return 0;
}

}  // namespace qvr
