#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace qvr {

// A version as "major.minor" compares: the minor part counts in hundredths, so "1.5" is (1, 50) and older
// than "1.51" but newer than "1.10".
struct PlugInVersion {
  std::int16_t major = 0;
  std::int16_t minor = 0;
};

// Reads a version text: the major part before the first ".", the minor part after it up to a blank or a
// further "."; a one-digit minor part counts as tenths ("5" is 50). Each part is the whole number its text
// begins with (0 when there is none), held to the 16-bit range.
//   "1.5", "1.50", "1.5 beta", "1.5.3" -> (1, 50); "1.05" -> (1, 5); "1.10" -> (1, 10); "2" -> (2, 0);
//   "" -> (0, 0)
PlugInVersion ParseVersion(const std::string& version);

// True when `registered` is a later version than `own`.
bool IsNewerVersion(const PlugInVersion& registered, const PlugInVersion& own);

// Sets `value` to 1 when it lies outside lower to upper (both inclusive); returns the value.
std::int16_t InRangeOrOne(std::int16_t lower, std::int16_t upper, std::int16_t& value);

// The plug-in key's values in the order registration writes them: the default value (empty name) with the
// ProgID, Name, Description, Scope, ManufacturerName, Version, LcaVersion, Prelaunch, MultiObject,
// SingleInstance and Language (`language`).
std::vector<std::pair<std::string, std::string>> PlugInKeyValues(const std::string& language);

}  // namespace qvr
