#include <map>
#include <memory>

#include "platform/EchoedText.h"
#include "platform/lns/LnsError.h"
#include "platform/lns/types/LonTypeStructure.h"
#include "platform/lns/types/LonTypes.h"

namespace lns {

namespace {

// How the scaled numbers of the types in use are stored and shown.
constexpr ScaledFormat kHalfPercentByte{1, false, 1, 5};    // 0.5 steps in one byte, one decimal
constexpr ScaledFormat kPercentTimes200{2, true, 3, 5};     // 0.005 steps, three decimals
constexpr ScaledFormat kHundredths{2, true, 2, 1};          // 0.01 steps, two decimals
constexpr ScaledFormat kTenthsUnsigned{2, false, 1, 1};     // 0.1 steps, one decimal
constexpr ScaledFormat kWholeUnsigned{2, false, 0, 1};      // whole numbers in two bytes
constexpr ScaledFormat kWholeSignedByte{1, true, 0, 1};     // whole numbers in one signed byte
constexpr ScaledFormat kWholeUnsignedByte{1, false, 0, 1};  // whole numbers in one byte
constexpr ScaledFormat kFiftiethsSigned{2, true, 2, 2};     // 0.02 steps, two decimals

const RawLimits kLevelLimits{0, 200, std::nullopt};     // 0 to 100
const RawLimits kPercentLimits{-32768, 32767, 32767};   // -163.84 to 163.835, invalid 163.835
const RawLimits kTempLimits{-27317, 32767, 32767};      // -273.17 to 327.67, invalid 327.67
const RawLimits kTempDiffLimits{-32768, 32767, 32767};  // -327.68 to 327.67, invalid 327.67
const RawLimits kWordLimits{0, 65535, std::nullopt};    // 0 to 65535
const RawLimits kTimeSecLimits{0, 65535, 65535};        // 0 to 6553.5, invalid 6553.5

FieldPtr LevelField(std::string label) {
  return MakeScaledField(std::move(label), kHalfPercentByte, kLevelLimits);
}
FieldPtr PercentField(std::string label) {
  return MakeScaledField(std::move(label), kPercentTimes200, kPercentLimits);
}
FieldPtr TempField(std::string label) {
  return MakeScaledField(std::move(label), kHundredths, kTempLimits);
}
FieldPtr WordField(std::string label) {
  return MakeScaledField(std::move(label), kWholeUnsigned, kWordLimits);
}

FieldPtr OccupancyField() {
  return MakeEnumField(
      "occupancy",
      {{-1, "OC_NUL"}, {0, "OC_OCCUPIED"}, {1, "OC_UNOCCUPIED"}, {2, "OC_BYPASS"}, {3, "OC_STANDBY"}});
}

FieldPtr HvacModeField(std::string label) {
  return MakeEnumField(
      std::move(label),
      {{-1, "HVAC_NUL"},       {0, "HVAC_AUTO"},        {1, "HVAC_HEAT"},         {2, "HVAC_MRNG_WRMUP"},
       {3, "HVAC_COOL"},       {4, "HVAC_NIGHT_PURGE"}, {5, "HVAC_PRE_COOL"},     {6, "HVAC_OFF"},
       {7, "HVAC_TEST"},       {8, "HVAC_EMERG_HEAT"},  {9, "HVAC_FAN_ONLY"},     {10, "HVAC_FREE_COOL"},
       {11, "HVAC_ICE"},       {12, "HVAC_MAX_HEAT"},   {13, "HVAC_ECONOMY"},     {14, "HVAC_DEHUMID"},
       {15, "HVAC_CALIBRATE"}, {16, "HVAC_EMERG_COOL"}, {17, "HVAC_EMERG_STEAM"}, {18, "HVAC_MAX_COOL"},
       {19, "HVAC_HVC_LOAD"},  {20, "HVAC_NO_LOAD"}});
}

FieldPtr SettingFunctionField() {
  return MakeEnumField("function", {{-1, "SET_NUL"},
                                    {0, "SET_OFF"},
                                    {1, "SET_ON"},
                                    {2, "SET_DOWN"},
                                    {3, "SET_UP"},
                                    {4, "SET_STOP"},
                                    {5, "SET_STATE"}});
}

using TypeTable = std::map<std::string, std::unique_ptr<FieldLonType>, std::less<>>;

void Add(TypeTable& table, std::string name, int index, std::vector<FieldPtr> fields, char joiner = ' ') {
  auto type = std::make_unique<FieldLonType>(name, index, std::move(fields), joiner);
  table.emplace(std::move(name), std::move(type));
}

TypeTable BuildValueTypes() {
  TypeTable table;
  Add(table, "SNVT_lev_cont", 21, {LevelField("level")});
  Add(table, "SNVT_lev_percent", 81, {PercentField("percentage")});
  Add(table, "SNVT_lux", 79, {WordField("illuminance")});
  Add(table, "SNVT_temp_p", 105, {TempField("temperature")});
  Add(table, "SNVT_temp_diff_p", 147,
      {MakeScaledField("temperature difference", kHundredths, kTempDiffLimits)});
  Add(table, "SNVT_time_sec", 107, {MakeScaledField("time", kTenthsUnsigned, kTimeSecLimits)});
  Add(table, "SNVT_time_min", 123, {WordField("time")});
  Add(table, "SNVT_count", 8, {WordField("count")});
  Add(table, "SNVT_occupancy", 109, {OccupancyField()});
  Add(table, "SNVT_hvac_mode", 108, {HvacModeField("mode")});
  Add(table, "SNVT_switch", 95,
      {LevelField("value"), MakeScaledField("state", kWholeSignedByte, RawLimits{-1, 1, std::nullopt})});
  Add(table, "SNVT_setting", 117,
      {SettingFunctionField(), MakeScaledField("setting", kHalfPercentByte, RawLimits{0, 200, 255}),
       MakeScaledField("rotation", kFiftiethsSigned, RawLimits{-17999, 18000, 32767})});
  Add(table, "SNVT_state", 83, {MakeBitsField("state")});
  Add(table, "SNVT_muldiv", 91,
      {WordField("multiplier"), MakeScaledField("divisor", kWholeUnsigned, RawLimits{1, 65535, 0})}, '/');
  Add(table, "SNVT_temp_setpt", 106,
      {TempField("occupied cool"), TempField("standby cool"), TempField("unoccupied cool"),
       TempField("occupied heat"), TempField("standby heat"), TempField("unoccupied heat")},
      ',');
  Add(table, "SNVT_hvac_status", 112,
      {HvacModeField("mode"), PercentField("heat output primary"), PercentField("heat output secondary"),
       PercentField("cool output"), PercentField("economizer output"), PercentField("fan output"),
       MakeScaledField("in alarm", kWholeUnsignedByte, RawLimits{0, 255, std::nullopt})});
  Add(table, "UNVT_str_hex4", -1, {MakeHexDigitsField("digits")});
  return table;
}

const TypeTable& ValueTypes() {
  static const TypeTable table = BuildValueTypes();
  return table;
}

struct PropertyTypeRow {
  StandardPropertyType type;
  std::optional<RawLimits> limits;  // narrower than the value type's, for every number of the value
};

const std::vector<PropertyTypeRow>& StandardPropertyRows() {
  static const std::vector<PropertyTypeRow> rows = {
      {{"SCPTprimeVal", 155, "SNVT_switch"}, std::nullopt},
      {{"SCPTsecondVal", 156, "SNVT_switch"}, std::nullopt},
      {{"SCPTholdTime", 91, "SNVT_time_sec"}, RawLimits{10, 65535, std::nullopt}},  // at least 1.0 s
      {{"SCPTmaxSendTime", 49, "SNVT_time_sec"}, std::nullopt},
      {{"SCPTminSendTime", 52, "SNVT_time_sec"}, std::nullopt},
      {{"SCPTdebounce", 139, "SNVT_time_sec"}, std::nullopt},
      {{"SCPTclOffDelay", 85, "SNVT_time_sec"}, std::nullopt},
      {{"SCPTclOnDelay", 86, "SNVT_time_sec"}, std::nullopt},
      {{"SCPTfieldCalib", 90, "SNVT_lux"}, std::nullopt},
      {{"SCPTluxSetpoint", 82, "SNVT_lux"}, std::nullopt},
      {{"SCPTminDeltaLevel", 88, "SNVT_lev_cont"}, std::nullopt},
      {{"SCPTonOffHysteresis", 84, "SNVT_lev_cont"}, std::nullopt},
      {{"SCPTstep", 83, "SNVT_lev_cont"}, std::nullopt},
      {{"SCPTmaxOut", 93, "SNVT_lev_cont"}, std::nullopt},
      {{"SCPTstepValue", 92, "SNVT_lev_cont"}, std::nullopt},
      {{"SCPTpowerupState", 87, "SNVT_setting"}, std::nullopt},
      {{"SCPTsetPnts", 60, "SNVT_temp_setpt"}, RawLimits{-1000, 3500, std::nullopt}},  // -10.00 to 35.00
      {{"SCPTnumValves", 59, "SNVT_count"}, RawLimits{1, 2, std::nullopt}},
      {{"SCPThvacMode", 74, "SNVT_hvac_mode"}, std::nullopt},
      {{"SCPTtempOffset", 227, "SNVT_temp_diff_p"}, std::nullopt},
  };
  return rows;
}

TypeTable BuildPropertyTypes() {
  TypeTable table;
  for (const PropertyTypeRow& row : StandardPropertyRows()) {
    const FieldLonType& valueType = *ValueTypes().find(row.type.valueType)->second;
    const std::string name(row.type.name);
    table.emplace(name, valueType.AsPropertyType(name, row.type.index, row.limits));
  }
  return table;
}

}  // namespace

const LonType& FindLonType(std::string_view valueTypeName) {
  auto found = ValueTypes().find(valueTypeName);
  if (found == ValueTypes().end()) {
    throw LnsError(kLnsNotFound, "Unknown value type " + platform::Echoed(valueTypeName));
  }
  return *found->second;
}

const LonType& FindPropertyType(std::string_view propertyTypeName, std::string_view valueTypeName) {
  static const TypeTable propertyTypes = BuildPropertyTypes();
  const StandardPropertyType* standard = FindStandardPropertyType(propertyTypeName);
  if (standard == nullptr || standard->valueType != valueTypeName) return FindLonType(valueTypeName);
  return *propertyTypes.find(propertyTypeName)->second;
}

const StandardPropertyType* FindStandardPropertyType(std::string_view propertyTypeName) {
  for (const PropertyTypeRow& row : StandardPropertyRows()) {
    if (row.type.name == propertyTypeName) return &row.type;
  }
  return nullptr;
}

}  // namespace lns
