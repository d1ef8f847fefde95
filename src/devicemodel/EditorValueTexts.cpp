#include "devicemodel/EditorValueTexts.h"

namespace qvr {

std::string SwitchText(bool on, const std::string& decimalSep) {
  return on ? "100" + decimalSep + "0 1" : "0" + decimalSep + "0 0";
}

std::string SettingText(const std::string& function, const std::string& settingValue,
                        const std::string& decimalSep) {
  return function + " " + settingValue + " 0" + decimalSep + "00";
}

std::string ZeroSettingValue(const std::string& decimalSep) {
  return "0" + decimalSep + "0";
}

std::string TemperatureResetValue(const std::string& decimalSep) {
  return "327" + decimalSep + "67";
}

std::string PercentageResetValue(const std::string& decimalSep) {
  return "163" + decimalSep + "835";
}

}  // namespace qvr
