#pragma once

#include <string>

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

  std::string SetPntsField0, SetPntsField1, SetPntsField2, SetPntsField3, SetPntsField4, SetPntsField5;
  std::string CpPrimeValPart1, CpPrimeValPart2;
  std::string CpSecondValPart1, CpSecondValPart2;
  std::string LightRatio1Before, LightRatio1After;
  std::string LightRatio2Before, LightRatio2After;
};

}  // namespace qvr
