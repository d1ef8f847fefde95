#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "datapoints/CompositeRows.h"

namespace qvr {

// What the device-model service keeps program-wide: the settings read per device command, the model's
// names and files, and the device's values of the parts of the composite properties.
struct DeviceModelState {
  bool SettingsPending = false;
  std::string LonWorksFolder;
  std::string DecimalSep;
  std::string DeviceTypeName;
  std::string DocumentationFile;
  std::string ReadmeFile;

  // The table of supported models, filled by the calls that ask for it (model group 0); rows
  // ModelFirst to ModelLast are used.
  std::string ProgramIdPrefix;
  std::int16_t ModelFirst = 0;
  std::int16_t ModelLast = 0;
  std::array<std::string, 17> ModelNames;
  std::array<std::string, 17> ModelXifFiles;

  std::string SetPntsField0, SetPntsField1, SetPntsField2, SetPntsField3, SetPntsField4, SetPntsField5;
  std::string CpPrimeValPart1, CpPrimeValPart2;
  std::string CpSecondValPart1, CpSecondValPart2;
  std::string LightRatio1Before, LightRatio1After;
  std::string LightRatio2Before, LightRatio2After;

  // The six set-point parts in the order of the value text (sub-field boxes 70 to 75).
  std::array<std::string*, kSetPoints> SetPntsFields();
};

using DevicePart = std::string DeviceModelState::*;

// The device's value of each set point, in the order of the value text.
inline constexpr std::array<DevicePart, kSetPoints> kSetPointParts = {
    &DeviceModelState::SetPntsField0, &DeviceModelState::SetPntsField1, &DeviceModelState::SetPntsField2,
    &DeviceModelState::SetPntsField3, &DeviceModelState::SetPntsField4, &DeviceModelState::SetPntsField5};

// The device's value of the part before and after the separator, in the order of kTwoPartRows.
struct TwoParts {
  DevicePart before;
  DevicePart after;
};
inline constexpr std::array<TwoParts, kTwoPartRows.size()> kTwoPartParts = {{
    {&DeviceModelState::CpPrimeValPart1, &DeviceModelState::CpPrimeValPart2},
    {&DeviceModelState::CpSecondValPart1, &DeviceModelState::CpSecondValPart2},
    {&DeviceModelState::LightRatio1Before, &DeviceModelState::LightRatio1After},
    {&DeviceModelState::LightRatio2Before, &DeviceModelState::LightRatio2After},
}};

inline std::array<std::string*, kSetPoints> DeviceModelState::SetPntsFields() {
  std::array<std::string*, kSetPoints> fields{};
  for (std::size_t point = 0; point < fields.size(); ++point) fields[point] = &(this->*kSetPointParts[point]);
  return fields;
}

}  // namespace qvr
