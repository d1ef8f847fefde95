// libFuzzer target for the value-text parser of every LON type: the first byte picks the type (a value type
// or a standard property type with its narrower limits), the second the decimal separator, the rest is the
// text. A text is either refused with kLnsInvalidValue or parsed into the type's size, and the parsed value
// formats to a text that parses back to the same raw bytes. Any raw bytes of the type's size format.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "platform/lns/LnsError.h"
#include "platform/lns/types/LonTypes.h"

namespace {

constexpr std::array<std::string_view, 17> kValueTypes = {
    "SNVT_lev_cont",    "SNVT_lev_percent", "SNVT_lux",   "SNVT_temp_p",    "SNVT_temp_diff_p",
    "SNVT_time_sec",    "SNVT_time_min",    "SNVT_count", "SNVT_occupancy", "SNVT_hvac_mode",
    "SNVT_switch",      "SNVT_setting",     "SNVT_state", "SNVT_muldiv",    "SNVT_temp_setpt",
    "SNVT_hvac_status", "UNVT_str_hex4"};

constexpr std::array<std::string_view, 20> kPropertyTypes = {
    "SCPTprimeVal",      "SCPTsecondVal",       "SCPTholdTime",  "SCPTmaxSendTime", "SCPTminSendTime",
    "SCPTdebounce",      "SCPTclOffDelay",      "SCPTclOnDelay", "SCPTfieldCalib",  "SCPTluxSetpoint",
    "SCPTminDeltaLevel", "SCPTonOffHysteresis", "SCPTstep",      "SCPTmaxOut",      "SCPTstepValue",
    "SCPTpowerupState",  "SCPTsetPnts",         "SCPTnumValves", "SCPThvacMode",    "SCPTtempOffset"};

// The separators a user's number format may have: the point, the comma, none (the point stands in) and
// the Arabic decimal separator of two bytes.
constexpr std::array<std::string_view, 4> kSeparators = {".", ",", "", "\xD9\xAB"};

const lns::LonType& PickType(std::uint8_t byte) {
  const std::size_t pick = byte % (kValueTypes.size() + kPropertyTypes.size());
  if (pick < kValueTypes.size()) return lns::FindLonType(kValueTypes[pick]);
  const lns::StandardPropertyType* property =
      lns::FindStandardPropertyType(kPropertyTypes[pick - kValueTypes.size()]);
  fuzz::Require(property != nullptr);
  return lns::FindPropertyType(property->name, property->valueType);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const lns::LonType& type = PickType(data[0]);
  const std::string_view sep = kSeparators[data[1] % kSeparators.size()];
  const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

  if (text.size() >= type.Size()) type.Format(lns::RawValue(text.begin(), text.begin() + type.Size()), sep);

  lns::RawValue raw;
  try {
    raw = type.Parse(text, sep);
  } catch (const lns::LnsError& error) {
    fuzz::Require(error.Number() == lns::kLnsInvalidValue);
    return 0;
  }
  fuzz::Require(raw.size() == type.Size());
  const std::string formatted = type.Format(raw, sep);
  fuzz::Require(type.Parse(formatted, sep) == raw);
  return 0;
}
