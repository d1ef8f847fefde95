// English help texts of the configuration properties, row by row as in NciTable. Each names the value
// the device is delivered with where it has one; spellings ("Preset valuet:", "discription") are as the
// device's documentation has them and kept on purpose: do not correct them.

#include "texts/HelpTextData.h"

namespace qvr::text_data {
namespace {

constexpr NciHelpRow kNci[] = {
    // Occupancy controller
    {"SCPT Type:", "SCPTprimeVal, Index 155, SNVT_switch",
     "Lamp value that the occupancy controller sends on nvoOcLampValue when the room becomes occupied.\r\n"
     "(Preset value: 100.0 1)"},
    {"SCPT Type:", "SCPTsecondVal, Index 156, SNVT_switch",
     "Lamp value that the occupancy controller sends on nvoOcLampValue when the room is no longer "
     "occupied and the hold time has run out.\r\n"
     "(Preset value: 0.0 0)"},
    {"SCPT Type:", "SCPTholdTime, Index 91, SNVT_time_sec",
     "Hold time of the occupancy controller: after the last detected movement the room counts as "
     "occupied for this time.\r\n"
     "(Preset value: 600,0 sec = 10 min)"},
    {"SCPT Type:", "SCPTmaxSendTime, Index 49, SNVT_time_sec",
     "Heartbeat function. Stipulates the interval period, after output variables are sent independent of "
     "change of result. Heartbeat function is deactivated by input value = 0. \r\n"
     "(Preset value: 120 sec)"},
    // Occupancy sensor
    {"SCPT Type:", "SCPTdebounce, Index 139, SNVT_time_sec",
     "Debounce time of the occupancy sensor: a movement must last this long before the room is reported "
     "as occupied.\r\n"
     "(Preset value: 0 sec.)"},
    {"SCPT Type:", "SCPTmaxSendTime, Index 49, SNVT_time_sec",
     "Heartbeat function of the occupancy sensor outputs nvoOsOccup and nvoOsSWOccup. They are sent after "
     "this interval independent of change of result. Heartbeat function is deactivated by input value = "
     "0.\r\n"
     "(Preset value: 120 sec)"},
    {"SCPT Type:", "UCPTgeneralCP1, Index 7, SNVT_state",
     "Configuration property of the occupancy sensor. Bit 0 switches the occupancy detector LED, which "
     "signals each detected movement, on (On) or off (Off)."},
    // Light sensor
    {"SCPT Type:", "SCPTfieldCalib, Index 90, SNVT_lux",
     "Field calibration of the light sensor: enter the illuminance measured with a luxmeter at the "
     "working place; the sensor adjusts its measured value to it.\r\n"
     "(Preset value: 0 Lux==> Field Calibration deactivated)"},
    {"SCPT Type:", "SCPTmaxSendTime, Index 49, SNVT_time_sec",
     "Heartbeat function of nvoLsLuxLevel: the longest interval between two outputs of the measured "
     "illuminance. Heartbeat function is deactivated by input value = 0.\r\n"
     "(Preset value: 60 sec.)"},
    {"SCPT Type:", "SCPTminSendTime, Index 52, SNVT_time_sec",
     "Shortest interval between two outputs of nvoLsLuxLevel, to limit the network load.\r\n"
     "(Preset value: 60 sec.)"},
    {"SCPT Type:", "SCPTminDeltaLevel, Index 88, SNVT_lev_cont",
     "Change of the measured illuminance, against the value sent last, from which nvoLsLuxLevel is sent "
     "again.\r\n"
     "(Range: 0 % - 100 %; Preset value: 2,5 %)"},
    // Light controller 1
    {"SCPT Type:", "SCPTluxSetpoint, Index 82, SNVT_lux",
     "Illuminance set point of light controller 1.\r\n"
     "(Preset valuet: 500 lux)"},
    {"SCPT Type:", "SCPTclOffDelay, Index 85, SNVT_time_sec",
     "Switch-off delay of light controller 1: when the illuminance stays above the switch-off level for "
     "this time, the lighting is switched off.\r\n"
     "(Preset value: 300,0 sec = 5 min)"},
    {"SCPT Type:", "SCPTclOnDelay, Index 86, SNVT_time_sec",
     "Switch-on delay of light controller 1: when the illuminance stays below the set point for this "
     "time, the lighting is switched on.\r\n"
     "(Preset value: 0 sec)"},
    {"SCPT Type:", "SCPTmaxSendTime, Index 49, SNVT_time_sec",
     "Heartbeat function of nvoLcLampValue_1. Heartbeat function is deactivated by input value = 0.\r\n"
     "(Preset value: 300 sec = 5 min)"},
    {"SCPT Type:", "SCPTminDeltaLevel, Index 88, SNVT_lev_cont",
     "Change of the lamp value of light controller 1 from which nvoLcLampValue_1 is sent again.\r\n"
     "(Range: 0 % - 100 %; Preset value: 0,5 %)"},
    {"SCPT Type:", "SCPTonOffHysteresis, Index 84, SNVT_lev_cont",
     "Switching hysteresis of the ON/OFF light control of light controller 1, in percent of the set "
     "point.\r\n"
     "(Preset value: 0 %)"},
    {"SCPT Type:", "SCPTpowerupState, Index 87, SNVT_setting",
     "State of light controller 1 after power-up or reset: SET_OFF or SET_ON.\r\n"
     "(Preset value: {SET_OFF,0,0} )"},
    {"SCPT Type:", "SCPTstep, Index 83, SNVT_lev_cont",
     "Step width of light controller 1 for the SET_UP and SET_DOWN commands of nviLcSetting.\r\n"
     "(Preset value: 10 % )"},
    {"SCPT Type:", "UCPTgeneralCP1, Index 7, SNVT_state",
     "Configuration property for adjusting the controller functionality. \r\n"
     "(Preset value:\r\n"
     "UCPTgeneralCP1 = 0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0 = \r\n"
     "i.e. constant light control) \r\n"
     "Please look at the Device discription for more details."},
    {"SCPT Type:", "SCPTmaxOut, Index 93, SNVT_lev_cont",
     "Highest lamp value that light controller 1 sends.\r\n"
     "(Preset value: 100 % )"},
    {"UCPT Type:", "UCPTlightRatio, Index 11, SNVT_muldiv",
     "Ratio between the illuminance at the light sensor and at the working place of light controller 1, "
     "as multiplier and divisor.\r\n"
     "Preset value: 1000, 100"},
    // Light controller 2
    {"SCPT Type:", "SCPTluxSetpoint, Index 82, SNVT_lux",
     "Illuminance set point of light controller 2.\r\n"
     "(Preset valuet: 500 lux)"},
    {"SCPT Type:", "SCPTclOffDelay, Index 85, SNVT_time_sec",
     "Switch-off delay of light controller 2: when the illuminance stays above the switch-off level for "
     "this time, the lighting is switched off.\r\n"
     "(Preset value: 300,0 sec = 5 min)"},
    {"SCPT Type:", "SCPTclOnDelay, Index 86, SNVT_time_sec",
     "Switch-on delay of light controller 2: when the illuminance stays below the set point for this "
     "time, the lighting is switched on.\r\n"
     "(Preset value: 0 sec)"},
    {"SCPT Type:", "SCPTmaxSendTime, Index 49, SNVT_time_sec",
     "Heartbeat function of nvoLcLampValue_2. Heartbeat function is deactivated by input value = 0.\r\n"
     "(Preset value: 300 sec = 5 min)"},
    {"SCPT Type:", "SCPTminDeltaLevel, Index 88, SNVT_lev_cont",
     "Change of the lamp value of light controller 2 from which nvoLcLampValue_2 is sent again.\r\n"
     "(Range: 0 % - 100 %; Preset value: 0,5 %)"},
    {"SCPT Type:", "SCPTonOffHysteresis, Index 84, SNVT_lev_cont",
     "Switching hysteresis of the ON/OFF light control of light controller 2, in percent of the set "
     "point.\r\n"
     "(Preset value: 0 %)"},
    {"SCPT Type:", "SCPTpowerupState, Index 87, SNVT_setting",
     "State of light controller 2 after power-up or reset: SET_OFF or SET_ON.\r\n"
     "(Preset value: {SET_OFF,0,0} )"},
    {"SCPT Type:", "SCPTstep, Index 83, SNVT_lev_cont",
     "Step width of light controller 2 for the SET_UP and SET_DOWN commands of nviLcSetting.\r\n"
     "(Preset value: 10 % )"},
    {"SCPT Type:", "UCPTgeneralCP1, Index 7, SNVT_state",
     "Configuration property for adjusting the controller functionality of light controller 2. \r\n"
     "(Preset value:\r\n"
     "UCPTgeneralCP1 = 0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0 = \r\n"
     "i.e. constant light control) \r\n"
     "Please look at the Device discription for more details."},
    {"SCPT Type:", "SCPTmaxOut, Index 93, SNVT_lev_cont",
     "Highest lamp value that light controller 2 sends.\r\n"
     "(Preset value: 100 % )"},
    {"UCPT Type:", "UCPTlightRatio, Index 11, SNVT_muldiv",
     "Ratio between the illuminance at the light sensor and at the working place of light controller 2, "
     "as multiplier and divisor.\r\n"
     "Preset value: 1000, 100"},
    // Switch
    {"SCPT Type:", "SCPTmaxOut, Index 93, SNVT_lev_cont",
     "Highest value that the switch object sends on nvoSwSwitch when switching on or dimming up.\r\n"
     "(Preset value: 100 % )"},
    {"SCPT Type:", "SCPTmaxSendTime, Index 49, SNVT_time_sec",
     "Heartbeat function of the switch outputs nvoSwSwitch and nvoSwSetting. Heartbeat function is "
     "deactivated by input value = 0.\r\n"
     "(Preset value: 0 )"},
    {"SCPT Type:", "SCPTstepValue, Index 92, SNVT_lev_cont",
     "Step width of the switch object when dimming.\r\n"
     "(Preset value: 5 %)"},
    {"UCPT Type:", "UCPTdiConfig, Index 44, UNVT_str_hex4",
     "By UCPTdiConfig the digital inputs can be configured for the functions Standard I/O, Toggle, Dim or "
     "Command Automatic. (Preset value: 0,0,0,0)\r\n"
     "Please look at the Device discription for more details."},
    // Space-comfort controller
    {"UCPT Type:", "UCPTheatXp, Index 19, SNVT_temp_p",
     "Proportional band Xp of the heating controller.\r\n"
     "(Preset value: 4 K, range: 0-10 K)"},
    {"UCPT Type:", "UCPTheatTn, Index 20, SNVT_time_min",
     "Reset time Tn (integral part) of the heating controller.\r\n"
     "(Preset value: 100 min)"},
    {"UCPT Type:", "UCPTheatTv, Index 21, SNVT_time_min",
     "Derivative time Tv of the heating controller.\r\n"
     "(Preset value: 0 min)"},
    {"UCPT Type:", "UCPTheatMinDay, Index 27, SNVT_lev_percent",
     "Lowest position of the heating valve in occupied mode (day).\r\n"
     "(Preset value: 0 %)"},
    {"UCPT Type:", "UCPTheatMinNight, Index 26, SNVT_lev_percent",
     "Lowest position of the heating valve in unoccupied mode (night).\r\n"
     "(Preset value: 0 %)"},
    {"UCPT Type:", "UCPTheatMax, Index 28, SNVT_lev_percent",
     "Highest position of the heating valve.\r\n"
     "(Preset value: 100 %)"},
    {"UCPT Type:", "UCPTcoolXp, Index 22, SNVT_temp_p",
     "Proportional band Xp of the cooling controller.\r\n"
     "(Preset value: 4 K, range: 0-10 K)"},
    {"UCPT Type:", "UCPTcoolTn, Index 23, SNVT_time_min",
     "Reset time Tn (integral part) of the cooling controller.\r\n"
     "(Preset value: 100 min)"},
    {"UCPT Type:", "UCPTcoolTv, Index 24, SNVT_time_min",
     "Derivative time Tv of the cooling controller.\r\n"
     "(Preset value: 0 min)"},
    {"UCPT Type:", "UCPTcoolMinDay, Index 30, SNVT_lev_percent",
     "Lowest position of the cooling valve in occupied mode (day).\r\n"
     "(Preset value: 0 %)"},
    {"UCPT Type:", "UCPTcoolMinNight, Index 29, SNVT_lev_percent",
     "Lowest position of the cooling valve in unoccupied mode (night).\r\n"
     "(Preset value: 0 %)"},
    {"UCPT Type:", "UCPTcoolMax, Index 31, SNVT_lev_percent",
     "Highest position of the cooling valve.\r\n"
     "(Preset value: 100 %)"},
    {"SCPT Type:", "SCPTsetPnts, Index 60, SNVT_temp_setpt",
     "Temperature set points of the space-comfort controller, in this order: occupied cooling, standby "
     "cooling, unoccupied cooling, occupied heating, standby heating, unoccupied heating."},
    {"SCPT Type:", "SCPTnumValves, Index 59, SNVT_count",
     "Number of valves of the heating and cooling system.\r\n"
     "SCPTnumValves = 1: ==> 2-Pipe-System\r\n"
     "SCPTnumValves = 2: ==> 4-Pipe-System (default)"},
    {"SCPT Type:", "SCPToffsetTemp, Index 70, SNVT_temp_p",
     "Offset of the measured space temperature, to make up for the influence of the mounting place. It is "
     "added to the measured value before it is sent on nvoSpaceTemp."},
    {"UCPT Type:", "SCPTmaxSendTime, Index 49, SNVT_time_sec",
     "Heartbeat function of the space-comfort controller outputs. Heartbeat function is deactivated by "
     "input value = 0.\r\n"
     "(Preset value: 30 s)"},
    {"UCPT Type:", "UCPTpwmCycleTime, Index 35, SNVT_time_min",
     "Cycle time of the pulse-width modulated valve outputs nvoHeatPWM and nvoCoolPWM.\r\n"
     "(Preset value: 15 min)"},
    {"SCPT Type:", "SCPThvacMode, Index 74, SNVT_hvac_mode",
     "Application mode of the space-comfort controller after reset: HVAC_AUTO, HVAC_HEAT, HVAC_COOL or "
     "HVAC_OFF.\r\n"
     "Preset value: HVAC_AUTO"},
    {"UCPT Type:", "UCPTspAntiFreez, Index 18, SNVT_temp_p",
     "Frost protection set point: while the energy hold off is active (e.g. an open window) the "
     "controller keeps this temperature.\r\n"
     "(Preset value: 10 °C)"},
};
static_assert(std::size(kNci) == kNciHelpRows);

}  // namespace

std::span<const NciHelpRow, kNciHelpRows> EnglishNciHelpRows() {
  return kNci;
}

}  // namespace qvr::text_data
