#pragma once

#include <array>
#include <string>

namespace qvr {

// The value texts that the editors write into the value boxes, spelled with the user's decimal separator
// `decimalSep` as the device's formatted values are.

// The functions of a SNVT_setting, in the order of the setting combo boxes.
inline constexpr std::array<const char*, 4> kSettingFunctions = {"SET_ON", "SET_OFF", "SET_UP", "SET_DOWN"};
// The HVAC modes, in the order of the mode combo boxes.
inline constexpr std::array<const char*, 4> kHvacModes = {"HVAC_AUTO", "HVAC_HEAT", "HVAC_COOL", "HVAC_OFF"};

// A switch: on "100,0 1", off "0,0 0".
std::string SwitchText(bool on, const std::string& decimalSep);

// A SNVT_setting with rotation 0: function, setting value, rotation ("SET_UP 75,0 0,00").
std::string SettingText(const std::string& function, const std::string& settingValue,
                        const std::string& decimalSep);
// The setting value of a setting that its function alone tells: "0,0".
std::string ZeroSettingValue(const std::string& decimalSep);

// The initialisation value 0x7FFF of a temperature input (327,67 degrees) and of a percentage input
// (163,835 %): what a reset button writes.
std::string TemperatureResetValue(const std::string& decimalSep);
std::string PercentageResetValue(const std::string& decimalSep);

}  // namespace qvr
