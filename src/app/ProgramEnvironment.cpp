#include "app/ProgramEnvironment.h"

#include <charconv>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "platform/EnvironmentNames.h"
#include "platform/MachineRoot.h"
#include "platform/Spawn.h"

namespace app {

namespace env = platform::env;

std::string EnvironmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::chrono::milliseconds MillisecondsFromEnvironment(const char* name, std::chrono::milliseconds fallback) {
  const std::string text = EnvironmentValue(name);
  int milliseconds = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), milliseconds);
  if (error != std::errc() || end != text.data() + text.size() || milliseconds <= 0) return fallback;
  return std::chrono::milliseconds(milliseconds);
}

std::filesystem::path MachineRootFromEnvironment() {
  return platform::MachineRoot(EnvironmentValue(env::kMachineRoot), EnvironmentValue(env::kDataHome),
                               EnvironmentValue(env::kHome));
}

ui::DisplaySettings DisplayFromEnvironment() {
  ui::DisplaySettings settings{EnvironmentValue(env::kDisplay), EnvironmentValue(env::kWaylandDisplay),
                               EnvironmentValue(env::kQtPlatform), EnvironmentValue(env::kRuntimeFolder),
                               EnvironmentValue(env::kXAuthority)};
  if (!std::getenv(env::kXAuthority))
    settings.xAuthority = env::DefaultXAuthorityFile(EnvironmentValue(env::kHome));
  return settings;
}

std::map<std::string, std::string> LanguageFromEnvironment() {
  std::map<std::string, std::string> settings;
  for (const char* name : {env::kLanguages, env::kLanguage}) settings[name] = EnvironmentValue(name);
  // Every category goes, as none where it is unset; the ones set come with the rest of the LC_ variables.
  for (const char* name : env::kLocaleCategories) settings[name] = "";
  const std::vector<std::string> localeVariables = platform::EnvironmentWithout(
      [](std::string_view name) { return !name.starts_with(env::kLocaleVariablePrefix); });
  for (const std::string& variable : localeVariables) {
    const std::size_t equals = variable.find('=');
    if (equals != std::string::npos) settings[variable.substr(0, equals)] = variable.substr(equals + 1);
  }
  return settings;
}

std::string TakeBusStarterAddress() {
  std::string address = EnvironmentValue(env::kBusStarter);
  if (address.empty()) return address;
  const std::vector<std::string> busVariables = platform::EnvironmentWithout(
      [](std::string_view name) { return !name.starts_with(env::kBusVariablePrefix); });
  for (const std::string& variable : busVariables) unsetenv(variable.substr(0, variable.find('=')).c_str());
  return address;
}

}  // namespace app
