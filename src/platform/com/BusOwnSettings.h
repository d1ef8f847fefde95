#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace com {

// The bus starts each program on its activation environment, which keeps whatever a director handed it for
// every later start. A director hands its display and language settings for its own start only and then
// hands the bus's own back, so that a director that hands nothing gets the bus's own environment. The bus's
// own settings are recorded in its folder when it starts.

// Records the display and language settings (platform::env::IsDisplayOrLanguage) of `environment`, the
// daemon's ("NAME=VALUE" entries). XAUTHORITY that it lacks is recorded as the file X reads then.
void RecordBusOwnSettings(const std::filesystem::path& root, const std::vector<std::string>& environment);

// The settings that the bus was started with, for every name of `handed`: the bus's own value, or the empty
// one (none) where the bus had none.
std::map<std::string, std::string> BusOwnSettingsFor(const std::filesystem::path& root,
                                                     const std::map<std::string, std::string>& handed);

}  // namespace com
