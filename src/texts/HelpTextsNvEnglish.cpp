// English help texts of the network-variable inputs and outputs, row by row as in NviTable and
// NvoTable. Labels with a trailing blank, names with a trailing blank and the spellings are as the
// device's documentation has them and kept on purpose: do not correct them.

#include "texts/HelpTextData.h"

namespace qvr::text_data {
namespace {

constexpr NvHelpRow kNvi[] = {
    {"SNVT Type:", "SNVT_switch, Index 95", "(nviOcManOverride) ",
     "Input variable for the manual override of the occupancy controller, e.g. from a push button. The "
     "received lamp value is passed on to nvoOcLampValue and held for SCPTholdTime.\r\n"
     "(Initialisation value after reset: 0.0 -1)"},
    {"SNVT Type:", "SNVT_occupancy, Index 109", "(nviOcSecondary)",
     "Input variable of a neighbour occupancy sensor with the current room occupancy of a neighbour area. "
     "(Initialisation value after reset: OC_NULL)."},
    {"SNVT Type:", "SNVT_occupancy, Index 109", "(nviOcOccupancy)",
     "Input variable for the room occupancy of an external occupancy sensor. It is evaluated together "
     "with the device's own occupancy sensor.\r\n"
     "(Initialisation value after reset: OC_NUL)"},
    {"SNVT Type:", "SNVT_setting, Index 117", "(nviOcSetting)",
     "Input variable for switching the occupancy controller on (SET_ON) or off (SET_OFF). Switched off, "
     "the controller ignores the room occupancy and keeps its lamp value.\r\n"
     "(Initialisation value after reset: SET_ON)"},
    {"SNVT Type:", "SNVT_switch, Index 95", "(nviOsExtOccup) ",
     "Input variable for an external occupancy signal, e.g. from a push button or a door contact. State 1 "
     "is treated as a detected movement.\r\n"
     "(Initialisation value after reset: 0.0 0)"},
    {"SNVT Type:", "SNVT_switch, Index 95", "(nviOsSensitivity) ",
     "Input variable for the sensitivity of the occupancy sensor: state 1 (100.0 1) selects the sensitive, "
     "state 0 (0.0 0) the unsensitive mode.\r\n"
     "(Initialisation value after reset: 100.0 1)"},
    {"SNVT Type:", "SNVT_lux, Index 79", "(nviLcLuxLevel)",
     "Input variable for the illuminance measured by an external light sensor for light controller 1. "
     "When it is bound, it replaces the value of the internal light sensor.\r\n"
     "(Initialisation value after reset: 0 lux)"},
    {"SNVT Type:", "SNVT_switch, Index 95", "(nviLcManOverride)",
     "Input variable for the manual override of light controller 1, e.g. from a push button. The "
     "controller takes over the received lamp value until the next change of occupancy.\r\n"
     "Please look at the Device discription for more details."},
    {"SNVT Type:", "SNVT_setting, Index 117", "(nviLcSetting)",
     "Input variable for the settings of light controller 1: SET_ON, SET_OFF, SET_UP and SET_DOWN with a "
     "setting value in percent. (Initialisation value after reset: SET_OFF 0.0 0.00)\r\n"
     "Please look at the Device description for more details."},
    {"SNVT Type:", "SNVT_lux, Index 79", "(nviLuxSetpoint)",
     "Input variable for the illuminance set point of light controller 1. A value received here replaces "
     "SCPTluxSetpoint until the next reset.\r\n"
     "(Initialisation value after reset: SCPTluxSetpoint)"},
    {"SNVT Type:", "SNVT_lux, Index 79", "(nviLcLuxLevel)",
     "Input variable for the illuminance measured by an external light sensor for light controller 2. "
     "When it is bound, it replaces the value of the internal light sensor.\r\n"
     "(Initialisation value after reset: 0 lux)"},
    {"SNVT Type:", "SNVT_switch, Index 95", "(nviLcManOverride)",
     "Input variable for the manual override of light controller 2, e.g. from a push button. The "
     "controller takes over the received lamp value until the next change of occupancy.\r\n"
     "Please look at the Device description for more details."},
    {"SNVT Type:", "SNVT_setting, Index 117", "(nviLcSetting)",
     "Input variable for the settings of light controller 2: SET_ON, SET_OFF, SET_UP and SET_DOWN with a "
     "setting value in percent. (Initialisation value after reset: SET_OFF 0.0 0.00)\r\n"
     "Please look at the Device discription for more details."},
    {"SNVT Type:", "SNVT_lux, Index 79", "(nviLuxSetpoint)",
     "Input variable for the illuminance set point of light controller 2. A value received here replaces "
     "SCPTluxSetpoint until the next reset.\r\n"
     "(Initialisation value after reset: SCPTluxSetpoint)"},
    {"SNVT Type:", "SNVT_switch, Index 95", "(nviSwSwitchFb) ",
     "Feedback input of the switch object with the current state of the actuator switched by "
     "nvoSwSwitch, so that the next key press starts from the actual state.\r\n"
     "(Initialisation value after reset: 0.0 0)"},
    {"SNVT Type: ", "SNVT_temp_p, Index 105", "(nviSetptOffset)",
     "Input variable for shifting the temperature set point, e.g. from a room operating unit. The offset "
     "is added to the current set point of the space-comfort controller.\r\n"
     "(Initialisation value after reset: 0.00 K)"},
    {"SNVT Type: ", "SNVT_temp_p, Index 105", "(nviSpaceTemp)",
     "Input variable for the space temperature of an external temperature sensor. When it is bound, it "
     "replaces the value of the internal sensor.\r\n"
     "(Initialisation value after reset: 327.67 = invalid)"},
    {"SNVT Type: ", "SNVT_temp_p, Index 105", "(nviSetpoint)",
     "Input variable for the absolute temperature set point. A valid value replaces the occupied set "
     "points of SCPTsetPnts.\r\n"
     "(Initialisation value after reset: 327.67 = invalid)"},
    {"SNVT Type:", "SNVT_lev_percent, Index 81", "(nviHeatPriSlave)",
     "Input variable for the heating valve position of a master controller. While it holds a valid "
     "value, the controller works as a slave and puts this value out on nvoHeatPrimary.\r\n"
     "(Initialisation value after reset: 163.835 = invalid)"},
    {"SNVT Type: ", "SNVT_lev_percent, Index 81", "(nviCoolPriSlave)",
     "Input variable for the cooling valve position of a master controller. While it holds a valid "
     "value, the controller works as a slave and puts this value out on nvoCoolPrimary.\r\n"
     "(Initialisation value after reset: 163.835 = invalid)"},
    {"SNVT Type:", "SNVT_hvac_mode, Index 108", "(nviApplicMode)",
     "Input variable for the application mode of the space-comfort controller: HVAC_AUTO, HVAC_HEAT, "
     "HVAC_COOL or HVAC_OFF.\r\n"
     "(Initialisation value after reset: HVAC_AUTO)"},
    {"SNVT Type:", "SNVT_occupancy, Index 109", "(nviOccManCmd)",
     "Input variable for the occupancy command of a room operating unit or a time schedule: OC_OCCUPIED, "
     "OC_UNOCCUPIED, OC_BYPASS or OC_STANDBY.\r\n"
     "Intitialization value: OC_NUL"},
    {"SNVT Type:", "SNVT_occupancy, Index 109", "(nviOccSensor)",
     "Input variable for the occupancy state of an external occupancy sensor for the space-comfort "
     "controller.\r\n"
     "(Initialisation value after reset: OC_NUL)"},
    {"SNVT Type:", "SNVT_switch, Index 95", "(nviEnergyHoldOff)",
     "Input variable for the energy hold off, e.g. from a window contact. State 1 switches the "
     "space-comfort controller to frost protection.\r\n"
     "(Initialisation value after reset: 0.0 0)"},
    {"SNVT Type:", "SNVT_switch, Index 95", "(nviDewPtSensor) ",
     "Input variable of a dew-point sensor. State 1 (dew point reached) closes the cooling valve.\r\n"
     "(Initialisation value after reset: 0.0 0)"},
};
static_assert(std::size(kNvi) == kNviHelpRows);

constexpr NvHelpRow kNvo[] = {
    {"SNVT Type:", "SNVT_switch, Index 95", "(nvoOcLampValue)",
     "Output variable of the occupancy controller with the lamp value for the lighting actuators: "
     "SCPTprimeVal while the room is occupied, SCPTsecondVal after the hold time."},
    {"SNVT Type:", "SNVT_setting, Index 117", "(nvoOcSetting)",
     "Output variable of the occupancy controller for switching light controllers on (SET_ON) and off "
     "(SET_OFF) by the room occupancy."},
    {"SNVT Type:", "SNVT_switch, Index 95", "(nvoOsSWOccup)",
     "Output variable of the occupancy sensor as a switch value: 100.0 1 occupied, 0.0 0 unoccupied. Data "
     "output is made on every change and depending on SCPTmaxSendTime."},
    {"SNVT Type:", "SNVT_occupancy, Index 109", "(nvoOsOccup)",
     "Output variable of the occupancy sensor with the room occupancy (OC_OCCUPIED or OC_UNOCCUPIED). Data "
     "output is made on every change and depending on SCPTmaxSendTime."},
    {"SNVT Type:", "SNVT_lux, Index 79", "(nvoLsLuxLevel)",
     "Output variable of the light sensor with the measured illuminance in lux. Data output depends on "
     "SCPTminDeltaLevel, SCPTminSendTime and SCPTmaxSendTime."},
    {"SNVT Type:", "SNVT_switch, Index 95", "(nvoLcLampValue)",
     "Output variable of light controller 1 with the lamp value for the lighting actuators of channel 1."},
    {"SNVT Type:", "SNVT_switch, Index 95", "(nvoLcLampValue)",
     "Output variable of light controller 2 with the lamp value for the lighting actuators of channel 2."},
    {"SNVT Type:", "SNVT_switch, Index 95", "(nvoSwSwitch)",
     "Output variable of the switch object for switching and dimming an actuator from the digital "
     "input.\r\n"
     "Please look at the Device discription for more details."},
    {"SNVT Type:", "SNVT_setting, Index 117", "(nvoSwSetting)",
     "Output variable of the switch object with setting commands (SET_ON, SET_OFF, SET_UP, SET_DOWN) for "
     "dimming actuators. Please look at the Device discription for more details."},
    {"SNVT Type:", "SNVT_temp_p, Index 105", "(nvoSpaceTemp)",
     "Output variable for measured temperature value. Measuring range 0 - 50°C, resolution 1/100 °C. Data "
     "output is made depending on SCPTmaxSendTime and 5 s after reset."},
    {"SNVT Type:", "SNVT_hvac_status, Index 112", "(nvoUnitStatus)",
     "Output variable with the state of the space-comfort controller: mode, heating and cooling output "
     "and alarm."},
    {"SNVT Type:", "SNVT_lev_percent, Index 81", "(nvoHeatPrimary)",
     "Output variable for the position of the heating valve (0 - 100 %)."},
    {"SNVT Type:", "SNVT_switch, Index 95", "(nvoHeatPWM)",
     "Output variable for the heating valve as a pulse-width modulated switch value. The cycle time is "
     "set by UCPTpwmCycleTime."},
    {"SNVT Type:", "SNVT_lev_percent, Index 81", "(nvoCoolPrimary)",
     "Output variable for the position of the cooling valve (0 - 100 %)."},
    {"SNVT Type:", "SNVT_switch, Index 95", "(nvoCoolPWM)",
     "Output variable for the cooling valve as a pulse-width modulated switch value. The cycle time is "
     "set by UCPTpwmCycleTime."},
    {"SNVT Type:", "SNVT_temp_p, Index 105", "(nvoSetptEffect)",
     "Output variable with the effective temperature set point, taking occupancy, set point offset and "
     "application mode into account."},
    {"SNVT Type:", "SNVT_temp_p, Index 105", "(nvoSetptOffset)",
     "Output variable with the current set point offset, e.g. for the display of a room operating unit."},
    {"SNVT Type:", "SNVT_occupancy, Index 109", "(nvoOccupEffect)",
     "Output variable with the effective occupancy state of the space-comfort controller."},
    {"SNVT Type:", "SNVT_switch, Index 95", "(nvoEnergyHoldOff)",
     "Output variable with the current energy hold off state of the space-comfort controller."},
    {"SNVT Type:", "SNVT_switch, Index 95", "(nvoDewPtSensor)",
     "Output variable with the state of the dew-point sensor (1: dew point reached, cooling blocked)."},
};
static_assert(std::size(kNvo) == kNvoHelpRows);

}  // namespace

std::span<const NvHelpRow, kNviHelpRows> EnglishNviHelpRows() {
  return kNvi;
}
std::span<const NvHelpRow, kNvoHelpRows> EnglishNvoHelpRows() {
  return kNvo;
}

}  // namespace qvr::text_data
