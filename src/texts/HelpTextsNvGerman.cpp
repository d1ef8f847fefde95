// German help texts of the network-variable inputs and outputs, row by row as in NviTable and
// NvoTable. Two inputs keep the English label "SNVT Type:", as the device's documentation has them.

#include "texts/HelpTextData.h"

namespace qvr::text_data {
namespace {

constexpr NvHelpRow kNvi[] = {
    {"SNVT Typ:", "SNVT_switch, Index 95", "(nviOcManOverride) ",
     "Eingangsvariable für die manuelle Übersteuerung des Präsenzreglers, z.B. durch einen Taster. Der "
     "empfangene Lampenwert wird an nvoOcLampValue weitergegeben und für die Dauer von SCPTholdTime "
     "gehalten.\r\n"
     "(Initialisierungswert nach Reset: 0.0 -1)"},
    {"SNVT Typ:", "SNVT_occupancy, Index 109", "(nviOcSecondary)",
     "Eingangsvariable eines benachbarten Bewegungsmelders mit der aktuellen Raumblegung eines "
     "benachbarten Gebietes. (Initialisierungswert nach Reset: OC_NUL)"},
    {"SNVT Typ:", "SNVT_occupancy, Index 109", "(nviOcOccupancy) ",
     "Eingangsvariable für die Raumbelegung eines externen Bewegungsmelders. Sie wird zusammen mit dem "
     "eigenen Bewegungsmelder des Gerätes ausgewertet.\r\n"
     "(Initialisierungswert nach Reset: OC_NUL)"},
    {"SNVT Typ:", "SNVT_setting, Index 117", "(nviOcSetting) ",
     "Eingangsvariable zum Einschalten (SET_ON) und Ausschalten (SET_OFF) des Präsenzreglers. Ausgeschaltet "
     "wertet der Regler die Raumbelegung nicht aus und behält seinen Lampenwert bei.\r\n"
     "(Initialisierungswert nach Reset: SET_ON)"},
    {"SNVT Typ:", "SNVT_switch, Index 95", "(nviOsExtOccup) ",
     "Eingangsvariable für ein externes Belegungssignal, z.B. von einem Taster oder Türkontakt. Zustand 1 "
     "wird wie eine erkannte Bewegung gewertet.\r\n"
     "(Initialisierungswert nach Reset: 0.0 0)"},
    {"SNVT Typ:", "SNVT_switch, Index 95", "(nviOsSensitivity) ",
     "Eingangsvariable für die Empfindlichkeit des Bewegungsmelders: Zustand 1 (100.0 1) wählt die "
     "empfindliche, Zustand 0 (0.0 0) die unempfindliche Betriebsart.\r\n"
     "(Initialisierungswert nach Reset: 100.0 1)"},
    {"SNVT Typ:", "SNVT_lux, Index 79", "(nviLcLuxLevel)",
     "Eingangsvariable für die Beleuchtungsstärke eines externen Lichtsensors für Lichtregler 1. Ist sie "
     "gebunden, ersetzt sie den Wert des internen Lichtsensors.\r\n"
     "(Initialisierungswert nach Reset: 0 Lux)"},
    {"SNVT Typ:", "SNVT_switch, Index 95", "(nviLcManOverride)",
     "Eingangsvariable für die manuelle Übersteuerung von Lichtregler 1, z.B. durch einen Taster. Der "
     "Regler übernimmt den empfangenen Lampenwert bis zur nächsten Änderung der Belegung.\r\n"
     "Weitere Informationen entnehmen Sie bitte der Softwaredokumentation"},
    {"SNVT Typ:", "SNVT_setting, Index 117", "(nviLcSetting)",
     "Eingangsvariable für die Einstellungen von Lichtregler 1: SET_ON, SET_OFF, SET_UP und SET_DOWN mit "
     "einem Stellwert in Prozent. (Initialisierungswert nach Reset: SET_OFF 0.0 0.00)\r\n"
     "Weitere Informationen entnehmen Sie bitte der Softwaredokumentation"},
    {"SNVT Type:", "SNVT_lux, Index 79", "(nviLuxSetpoint)",
     "Eingangsvariable für den Beleuchtungsstärke-Sollwert von Lichtregler 1. Ein hier empfangener Wert "
     "ersetzt SCPTluxSetpoint bis zum nächsten Reset.\r\n"
     "(Initialisierungswert nach Reset: SCPTluxSetpoint)"},
    {"SNVT Typ:", "SNVT_lux, Index 79", "(nviLcLuxLevel)",
     "Eingangsvariable für die Beleuchtungsstärke eines externen Lichtsensors für Lichtregler 2. Ist sie "
     "gebunden, ersetzt sie den Wert des internen Lichtsensors.\r\n"
     "(Initialisierungswert nach Reset: 0 Lux)"},
    {"SNVT Typ:", "SNVT_switch, Index 95", "(nviLcManOverride)",
     "Eingangsvariable für die manuelle Übersteuerung von Lichtregler 2, z.B. durch einen Taster. Der "
     "Regler übernimmt den empfangenen Lampenwert bis zur nächsten Änderung der Belegung.\r\n"
     "Weitere Informationen entnehmen Sie bitte der Softwaredokumentation"},
    {"SNVT Typ:", "SNVT_setting, Index 117", "(nviLcSetting)",
     "Eingangsvariable für die Einstellungen von Lichtregler 2: SET_ON, SET_OFF, SET_UP und SET_DOWN mit "
     "einem Stellwert in Prozent. (Initialisierungswert nach Reset: SET_OFF 0.0 0.00)\r\n"
     "Weitere Informationen entnehmen Sie bitte der Softwaredokumentation"},
    {"SNVT Type:", "SNVT_lux, Index 79", "(nviLuxSetpoint) ",
     "Eingangsvariable für den Beleuchtungsstärke-Sollwert von Lichtregler 2. Ein hier empfangener Wert "
     "ersetzt SCPTluxSetpoint bis zum nächsten Reset.\r\n"
     "(Initialisierungswert nach Reset: SCPTluxSetpoint)"},
    {"SNVT Typ:", "SNVT_switch, Index 95", "(nviSwSwitchFb) ",
     "Rückmeldeeingang des Schaltobjekts mit dem aktuellen Zustand des über nvoSwSwitch geschalteten "
     "Aktors, damit der nächste Tastendruck vom tatsächlichen Zustand ausgeht.\r\n"
     "(Initialisierungswert nach Reset: 0.0 0)"},
    {"SNVT Typ: ", "SNVT_temp_p, Index 105", "(nviSetptOffset)",
     "Eingangsvariable zur Sollwertverschiebung, z.B. von einem Raumbediengerät. Die Verschiebung wird zum "
     "aktuellen Sollwert des Raumtemperaturreglers addiert.\r\n"
     "(Initialisierungswert nach Reset: 0.00 K)"},
    {"SNVT Typ: ", "SNVT_temp_p, Index 105", "(nviSpaceTemp)",
     "Eingangsvariable für die Raumtemperatur eines externen Temperaturfühlers. Ist sie gebunden, ersetzt "
     "sie den Wert des internen Fühlers.\r\n"
     "(Initialisierungswert nach Reset: 327.67 = ungültig)"},
    {"SNVT Typ: ", "SNVT_temp_p, Index 105", "(nviSetpoint)",
     "Eingangsvariable für den absoluten Temperatursollwert. Ein gültiger Wert ersetzt die Sollwerte für "
     "Belegung aus SCPTsetPnts.\r\n"
     "(Initialisierungswert nach Reset: 327.67 = ungültig)"},
    {"SNVT Typ:", "SNVT_lev_percent, Index 81", "(nviHeatPriSlave)",
     "Eingangsvariable für die Heizventilstellung eines Master-Reglers. Solange sie einen gültigen Wert "
     "hat, arbeitet der Regler als Slave und gibt diesen Wert über nvoHeatPrimary aus.\r\n"
     "(Initialisierungswert nach Reset: 163.835 = ungültig)"},
    {"SNVT Typ: ", "SNVT_lev_percent, Index 81", "(nviCoolPriSlave)",
     "Eingangsvariable für die Kühlventilstellung eines Master-Reglers. Solange sie einen gültigen Wert "
     "hat, arbeitet der Regler als Slave und gibt diesen Wert über nvoCoolPrimary aus.\r\n"
     "(Initialisierungswert nach Reset: 163.835 = ungültig)"},
    {"SNVT Typ:", "SNVT_hvac_mode, Index 108", "(nviApplicMode)",
     "Eingangsvariable für die Betriebsart des Raumtemperaturreglers: HVAC_AUTO, HVAC_HEAT, HVAC_COOL oder "
     "HVAC_OFF.\r\n"
     "(Initialisierungswert nach Reset: HVAC_AUTO)"},
    {"SNVT Typ:", "SNVT_occupancy, Index 109", "(nviOccManCmd)",
     "Eingangsvariable für den Belegungsbefehl eines Raumbediengerätes oder einer Zeitschaltuhr: "
     "OC_OCCUPIED, OC_UNOCCUPIED, OC_BYPASS oder OC_STANDBY.\r\n"
     "Initialisierungswert: OC_NUL"},
    {"SNVT Typ:", "SNVT_occupancy, Index 109", "(nviOccSensor)",
     "Eingangsvariable für den Belegungszustand eines externen Bewegungsmelders für den "
     "Raumtemperaturregler.\r\n"
     "(Initialisierungswert nach Reset: OC_NUL)"},
    {"SNVT Typ:", "SNVT_switch, Index 95", "(nviEnergyHoldOff)",
     "Eingangsvariable für die Energiesperre, z.B. von einem Fensterkontakt. Zustand 1 schaltet den "
     "Raumtemperaturregler auf Frostschutz.\r\n"
     "(Initialisierungswert nach Reset: 0.0 0)"},
    {"SNVT Typ:", "SNVT_switch, Index 95", "(nviDewPtSensor) ",
     "Eingangsvariable eines Taupunktfühlers. Zustand 1 (Taupunkt erreicht) schließt das Kühlventil.\r\n"
     "(Initialisierungswert nach Reset: 0.0 0)"},
};
static_assert(std::size(kNvi) == kNviHelpRows);

constexpr NvHelpRow kNvo[] = {
    {"SNVT Typ:", "SNVT_switch, Index 95", "(nvoOcLampValue)",
     "Ausgangsvariable des Präsenzreglers mit dem Lampenwert für die Beleuchtungsaktoren: SCPTprimeVal bei "
     "belegtem Raum, SCPTsecondVal nach Ablauf der Nachlaufzeit."},
    {"SNVT Typ:", "SNVT_setting, Index 117", "(nvoOcSetting)",
     "Ausgangsvariable des Präsenzreglers zum Einschalten (SET_ON) und Ausschalten (SET_OFF) von "
     "Lichtreglern abhängig von der Raumbelegung."},
    {"SNVT Typ:", "SNVT_switch, Index 95", "(nvoOsSWOccup)",
     "Ausgangsvariable des Bewegungsmelders als Schaltwert: 100.0 1 belegt, 0.0 0 unbelegt. Die "
     "Datenausgabe erfolgt bei jeder Änderung und in Abhängigkeit von SCPTmaxSendTime."},
    {"SNVT Typ:", "SNVT_occupancy, Index 109", "(nvoOsOccup)",
     "Ausgangsvariable des Bewegungsmelders mit der Raumbelegung (OC_OCCUPIED oder OC_UNOCCUPIED). Die "
     "Datenausgabe erfolgt bei jeder Änderung und in Abhängigkeit von SCPTmaxSendTime."},
    {"SNVT Typ:", "SNVT_lux, Index 79", "(nvoLsLuxLevel)",
     "Ausgangsvariable des Lichtsensors mit der gemessenen Beleuchtungsstärke in Lux. Die Datenausgabe "
     "hängt von SCPTminDeltaLevel, SCPTminSendTime und SCPTmaxSendTime ab."},
    {"SNVT Typ:", "SNVT_switch, Index 95", "(nvoLcLampValue[0])",
     "Ausgangsvariable von Lichtregler 1 mit dem Lampenwert für die Beleuchtungsaktoren von Kanal 1."},
    {"SNVT Typ:", "SNVT_switch, Index 95", "(nvoLcLampValue[1])",
     "Ausgangsvariable von Lichtregler 2 mit dem Lampenwert für die Beleuchtungsaktoren von Kanal 2."},
    {"SNVT Typ:", "SNVT_switch, Index 95", "(nvoSwSwitch)",
     "Ausgangsvariable des Schaltobjekts zum Schalten und Dimmen eines Aktors über den digitalen "
     "Eingang.\r\n"
     "Weitere Informationen entnehmen Sie bitte der Softwaredokumentation"},
    {"SNVT Typ:", "SNVT_setting, Index 117", "(nvoSwSetting)",
     "Ausgangsvariable des Schaltobjekts mit Stellbefehlen (SET_ON, SET_OFF, SET_UP, SET_DOWN) für "
     "dimmbare Aktoren. Weitere Informationen entnehmen Sie bitte der Softwaredokumentation"},
    {"SNVT Typ:", "SNVT_temp_p, Index 105", "(nvoSpaceTemp)",
     "Ausgangsvariable für den gemessenen Temperaturwert. Messbereich 0 - 50°C, Auflösung 1/100 °C. Die "
     "Datenausgabe erfolgt in Abhängigkeit von SCPTmaxSendTime und ca. 5 s nach Reset."},
    {"SNVT Typ:", "SNVT_hvac_status, Index 112", "(nvoUnitStatus)",
     "Ausgangsvariable mit dem Zustand des Raumtemperaturreglers: Betriebsart, Heiz- und Kühlausgang "
     "sowie Alarm."},
    {"SNVT Typ:", "SNVT_lev_percent, Index 81", "(nvoHeatPrimary)",
     "Ausgangsvariable für die Stellung des Heizventils (0 - 100 %)."},
    {"SNVT Typ:", "SNVT_switch, Index 95", "(nvoHeatPWM)",
     "Ausgangsvariable für das Heizventil als pulsweitenmodulierter Schaltwert. Die Zykluszeit wird mit "
     "UCPTpwmCycleTime eingestellt."},
    {"SNVT Typ:", "SNVT_lev_percent, Index 81", "(nvoCoolPrimary)",
     "Ausgangsvariable für die Stellung des Kühlventils (0 - 100 %)."},
    {"SNVT Typ:", "SNVT_switch, Index 95", "(nvoCoolPWM)",
     "Ausgangsvariable für das Kühlventil als pulsweitenmodulierter Schaltwert. Die Zykluszeit wird mit "
     "UCPTpwmCycleTime eingestellt."},
    {"SNVT Typ:", "SNVT_temp_p, Index 105", "(nvoSetptEffect)",
     "Ausgangsvariable mit dem wirksamen Temperatursollwert unter Berücksichtigung von Belegung, "
     "Sollwertverschiebung und Betriebsart."},
    {"SNVT Typ:", "SNVT_temp_p, Index 105", "(nvoSetptOffset)",
     "Ausgangsvariable mit der aktuellen Sollwertverschiebung, z.B. für die Anzeige eines "
     "Raumbediengerätes."},
    {"SNVT Typ:", "SNVT_occupancy, Index 109", "(nvoOccupEffect)",
     "Ausgangsvariable mit dem wirksamen Belegungszustand des Raumtemperaturreglers."},
    {"SNVT Typ:", "SNVT_switch, Index 95", "(nvoEnergyHoldOff)",
     "Ausgangsvariable mit dem aktuellen Zustand der Energiesperre des Raumtemperaturreglers."},
    {"SNVT Typ:", "SNVT_switch, Index 95", "(nvoDewPtSensor)",
     "Ausgangsvariable mit dem Zustand des Taupunktfühlers (1: Taupunkt erreicht, Kühlung gesperrt)."},
};
static_assert(std::size(kNvo) == kNvoHelpRows);

}  // namespace

std::span<const NvHelpRow, kNviHelpRows> GermanNviHelpRows() {
  return kNvi;
}
std::span<const NvHelpRow, kNvoHelpRows> GermanNvoHelpRows() {
  return kNvo;
}

}  // namespace qvr::text_data
