#include "platform/com/BusOwnSettings.h"

#include <sstream>
#include <string_view>

#include "platform/EnvironmentNames.h"
#include "platform/ReadFileWhole.h"
#include "platform/WriteFileWhole.h"
#include "platform/com/PrivateBus.h"

namespace com {

namespace {

namespace env = platform::env;

std::filesystem::path SettingsFile(const std::filesystem::path& root) {
  return BusFolder(root) / "own-settings";
}

}  // namespace

void RecordBusOwnSettings(const std::filesystem::path& root, const std::vector<std::string>& environment) {
  std::map<std::string, std::string> settings;
  std::string home;
  for (const std::string& entry : environment) {
    const std::size_t equals = entry.find('=');
    if (equals == std::string::npos) continue;
    const std::string name = entry.substr(0, equals);
    if (name == env::kHome) home = entry.substr(equals + 1);
    if (env::IsDisplayOrLanguage(name)) settings[name] = entry.substr(equals + 1);
  }
  if (!settings.contains(env::kXAuthority)) settings[env::kXAuthority] = env::DefaultXAuthorityFile(home);
  // Entries end with NUL, which no value holds.
  std::string text;
  for (const auto& [name, value] : settings) text += name + '=' + value + '\0';
  try {
    platform::WriteFileWhole(SettingsFile(root), text);
  } catch (const platform::FileWriteError&) {
    // Without the record a director hands the settings that mean none back instead.
  }
}

std::map<std::string, std::string> BusOwnSettingsFor(const std::filesystem::path& root,
                                                     const std::map<std::string, std::string>& handed) {
  std::map<std::string, std::string> own;
  std::istringstream recorded(platform::ReadFileWhole(SettingsFile(root)));
  for (std::string entry; std::getline(recorded, entry, '\0');) {
    const std::size_t equals = entry.find('=');
    if (equals != std::string::npos) own[entry.substr(0, equals)] = entry.substr(equals + 1);
  }
  std::map<std::string, std::string> settings;
  for (const auto& [name, value] : handed) settings[name] = own[name];
  return settings;
}

}  // namespace com
