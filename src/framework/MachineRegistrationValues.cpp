#include "framework/MachineRegistrationValues.h"

#include <cctype>
#include <limits>

#include "identity/PlugInIdentity.h"
#include "platform/runtime/SplitAt.h"

namespace qvr {

namespace {

constexpr const char* kDescription = "Plug-in for QVR, qvr_lon";
constexpr const char* kScope = "2";
constexpr std::int16_t kTrue = -1;  // a Boolean as directors read it from the plug-in key

// The whole number that `text` begins with (blanks and a sign before it allowed), 0 when there is none;
// held to the 16-bit range so that no version text, however long, breaks the comparison.
std::int16_t LeadingNumber(const std::string& text) {
  std::size_t at = 0;
  while (at < text.size() && text[at] == ' ') ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
  long value = 0;
  for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at) {
    if (value <= std::numeric_limits<std::int16_t>::max()) value = value * 10 + (text[at] - '0');
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<std::int16_t>::max()) return std::numeric_limits<std::int16_t>::max();
  if (value < std::numeric_limits<std::int16_t>::min()) return std::numeric_limits<std::int16_t>::min();
  return static_cast<std::int16_t>(value);
}

std::string BooleanValue(std::int16_t value) {
  return std::to_string(InRangeOrOne(-1, 1, value));
}

}  // namespace

PlugInVersion ParseVersion(const std::string& version) {
  std::string rest;
  const std::string majorText = runtime::SplitAt(version, ".", rest);
  std::string ignored;
  std::string minorText = runtime::SplitAt(runtime::SplitAt(rest, " ", ignored), ".", ignored);
  if (minorText.size() == 1) minorText += "0";
  return {LeadingNumber(majorText), LeadingNumber(minorText)};
}

bool IsNewerVersion(const PlugInVersion& registered, const PlugInVersion& own) {
  return registered.major > own.major || (registered.major == own.major && registered.minor > own.minor);
}

std::int16_t InRangeOrOne(std::int16_t lower, std::int16_t upper, std::int16_t& value) {
  if (value < lower || value > upper) value = 1;
  return value;
}

std::vector<std::pair<std::string, std::string>> PlugInKeyValues(const std::string& language) {
  return {
      {"", kProgId},
      {"Name", kProjectName},
      {"Description", kDescription},
      {"Scope", kScope},
      {"ManufacturerName", kManufacturerName},
      {"Version", kPlugInVersion},
      {"LcaVersion", kLcaVersion},
      {"Prelaunch", BooleanValue(kTrue)},
      {"MultiObject", BooleanValue(kTrue)},
      {"SingleInstance", BooleanValue(kTrue)},
      {"Language", language},
  };
}

}  // namespace qvr
