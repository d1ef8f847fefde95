// German help texts of the configuration properties, row by row as in NciTable. Each names the value
// the device is delivered with where it has one.

#include "texts/HelpTextData.h"

namespace qvr::text_data {
namespace {

constexpr NciHelpRow kNci[] = {
    // Präsenzregler
    {"SCPT Typ:", "SCPTprimeVal, Index 155, SNVT_switch",
     "Lampenwert, den der Präsenzregler bei Belegung des Raumes über nvoOcLampValue sendet. "
     "(Voreingestellter Wert: 100.0 1)"},
    {"SCPT Typ:", "SCPTsecondVal, Index 156, SNVT_switch",
     "Lampenwert, den der Präsenzregler nach Ende der Belegung und Ablauf der Nachlaufzeit über "
     "nvoOcLampValue sendet. (Voreingestellter Wert: 0.0 0)"},
    {"SCPT Typ:", "SCPTholdTime, Index 91, SNVT_time_sec",
     "Nachlaufzeit des Präsenzreglers: nach der letzten erkannten Bewegung gilt der Raum für diese Zeit "
     "als belegt. (Voreingestellter Wert: 600,0 sec = 10 min)"},
    {"SCPT Typ:", "SCPTmaxSendTime, Index 49, SNVT_time_sec",
     "Heartbeatfunktion. Legt die  Intervallzeit fest, nach der die Ausgangsvariablen unabhängig einer "
     "Ergebnisänderung gesendet werden. Mit Eingabewert = 0 wird die Heartbeatfunktion deaktiviert. "
     "(Voreingestellter Wert: 120 sec)"},
    // Bewegungsmelder
    {"SCPT Typ:", "SCPTdebounce, Index 139, SNVT_time_sec",
     "Entprellzeit des Bewegungsmelders: eine Bewegung muss so lange anhalten, bis der Raum als belegt "
     "gemeldet wird. (Voreingestellter Wert: 0 sec.)"},
    {"SCPT Typ:", "SCPTmaxSendTime, Index 49, SNVT_time_sec",
     "Heartbeatfunktion der Ausgänge nvoOsOccup und nvoOsSWOccup des Bewegungsmelders. Sie werden nach "
     "dieser Intervallzeit unabhängig einer Ergebnisänderung gesendet. Mit Eingabewert = 0 wird die "
     "Heartbeatfunktion deaktiviert. (Voreingestellter Wert: 120 sec)"},
    {"SCPT Typ:", "UCPTgeneralCP1, Index 7, SNVT_state",
     "Konfigurationsparameter des Bewegungsmelders. Bit 0 schaltet die Bewegungsmelder-LED, die jede "
     "erkannte Bewegung anzeigt, ein (On) oder aus (Off)."},
    // Lichtsensor
    {"SCPT Typ:", "SCPTfieldCalib, Index 90, SNVT_lux",
     "Feldkalibrierung des Lichtsensors: die am Arbeitsplatz mit einem Luxmeter gemessene "
     "Beleuchtungsstärke eingeben; der Sensor gleicht seinen Messwert daran an.\r\n"
     "(Voreingestellter Wert: 0 Lux==> Feldkalibrierung deaktiviert)"},
    {"SCPT Typ:", "SCPTmaxSendTime, Index 49, SNVT_time_sec",
     "Heartbeatfunktion von nvoLsLuxLevel: längste Zeit zwischen zwei Ausgaben der gemessenen "
     "Beleuchtungsstärke. Mit Eingabewert = 0 wird die Heartbeatfunktion deaktiviert. (Voreingestellter "
     "Wert: 60 sec.)"},
    {"SCPT Typ:", "SCPTminSendTime, Index 52, SNVT_time_sec",
     "Kürzeste Zeit zwischen zwei Ausgaben von nvoLsLuxLevel, um die Netzlast zu begrenzen. "
     "(Voreingestellter Wert: 60 sec.)"},
    {"SCPT Typ:", "SCPTminDeltaLevel, Index 88, SNVT_lev_cont",
     "Änderung der gemessenen Beleuchtungsstärke gegenüber dem zuletzt gesendeten Wert, ab der "
     "nvoLsLuxLevel erneut gesendet wird.\r\n"
     "(Bereich: 0 % - 100 %; Voreingestellter Wert: 2,5 %)"},
    // Lichtregler 1
    {"SCPT Typ:", "SCPTluxSetpoint, Index 82, SNVT_lux",
     "Beleuchtungsstärke-Sollwert von Lichtregler 1. (Voreingestellter Wert: 500 Lux)"},
    {"SCPT Typ:", "SCPTclOffDelay, Index 85, SNVT_time_sec",
     "Ausschaltverzögerung von Lichtregler 1: bleibt die Beleuchtungsstärke so lange über der "
     "Ausschaltschwelle, wird die Beleuchtung ausgeschaltet. (Voreingestellter Wert: 300,0 sec = 5 min)"},
    {"SCPT Typ:", "SCPTclOnDelay, Index 86, SNVT_time_sec",
     "Einschaltverzögerung von Lichtregler 1: bleibt die Beleuchtungsstärke so lange unter dem Sollwert, "
     "wird die Beleuchtung eingeschaltet. (Voreingestellter Wert: 0 sec)"},
    {"SCPT Typ:", "SCPTmaxSendTime, Index 49, SNVT_time_sec",
     "Heartbeatfunktion von nvoLcLampValue_1. Mit Eingabewert = 0 wird die Heartbeatfunktion deaktiviert. "
     "(Voreingestellter Wert: 300 sec = 5 min)"},
    {"SCPT Typ:", "SCPTminDeltaLevel, Index 88, SNVT_lev_cont",
     "Änderung des Lampenwertes von Lichtregler 1, ab der nvoLcLampValue_1 erneut gesendet wird.\r\n"
     "(Bereich: 0 % - 100 %; Voreingestellter Wert: 0,5 %)"},
    {"SCPT Typ:", "SCPTonOffHysteresis, Index 84, SNVT_lev_cont",
     "Schalthysterese der EIN/AUS-Lichtregelung von Lichtregler 1 in Prozent des Sollwertes. "
     "(Voreingestellter Wert: 0 %)"},
    {"SCPT Typ:", "SCPTpowerupState, Index 87, SNVT_setting",
     "Zustand von Lichtregler 1 nach dem Einschalten der Versorgung oder einem Reset: SET_OFF oder "
     "SET_ON. (Voreingestellter Wert: {SET_OFF,0,0} )"},
    {"SCPT Typ:", "SCPTstep, Index 83, SNVT_lev_cont",
     "Schrittweite von Lichtregler 1 für die Befehle SET_UP und SET_DOWN von nviLcSetting. "
     "(Voreingestellter Wert: 10 % )"},
    {"SCPT Typ:", "UCPTgeneralCP1, Index 7, SNVT_state",
     "Konfigurationsparameter zur Einstellung der Reglerfunktionalität. (Voreingestellter Wert: "
     "Konstantlichtregelung)\r\n"
     "Weitere Informationen entnehmen Sie bitte der Softwaredokumentation"},
    {"SCPT Typ:", "SCPTmaxOut, Index 93, SNVT_lev_cont",
     "Höchster Lampenwert, den Lichtregler 1 sendet. (Voreingestellter Wert: 100 % )"},
    {"UCPT Typ:", "UCPTlightRatio, Index 11, SNVT_muldiv",
     "Verhältnis der Beleuchtungsstärke am Lichtsensor zu der am Arbeitsplatz von Lichtregler 1, als "
     "Multiplikator und Divisor.\r\n"
     "Voreingestellter Wert: 1000, 100"},
    // Lichtregler 2
    {"SCPT Typ:", "SCPTluxSetpoint, Index 82, SNVT_lux",
     "Beleuchtungsstärke-Sollwert von Lichtregler 2. (Voreingestellter Wert: 500 Lux)"},
    {"SCPT Typ:", "SCPTclOffDelay, Index 85, SNVT_time_sec",
     "Ausschaltverzögerung von Lichtregler 2: bleibt die Beleuchtungsstärke so lange über der "
     "Ausschaltschwelle, wird die Beleuchtung ausgeschaltet. (Voreingestellter Wert: 300,0 sec = 5 min)"},
    {"SCPT Typ:", "SCPTclOnDelay, Index 86, SNVT_time_sec",
     "Einschaltverzögerung von Lichtregler 2: bleibt die Beleuchtungsstärke so lange unter dem Sollwert, "
     "wird die Beleuchtung eingeschaltet. (Voreingestellter Wert: 0 sec)"},
    {"SCPT Typ:", "SCPTmaxSendTime, Index 49, SNVT_time_sec",
     "Heartbeatfunktion von nvoLcLampValue_2. Mit Eingabewert = 0 wird die Heartbeatfunktion deaktiviert. "
     "(Voreingestellter Wert: 300 sec = 5 min)"},
    {"SCPT Typ:", "SCPTminDeltaLevel, Index 88, SNVT_lev_cont",
     "Änderung des Lampenwertes von Lichtregler 2, ab der nvoLcLampValue_2 erneut gesendet wird.\r\n"
     "(Bereich: 0 % - 100 %; Voreingestellter Wert: 0,5 %)"},
    {"SCPT Typ:", "SCPTonOffHysteresis, Index 84, SNVT_lev_cont",
     "Schalthysterese der EIN/AUS-Lichtregelung von Lichtregler 2 in Prozent des Sollwertes. "
     "(Voreingestellter Wert: 0 %)"},
    {"SCPT Typ:", "SCPTpowerupState, Index 87, SNVT_setting",
     "Zustand von Lichtregler 2 nach dem Einschalten der Versorgung oder einem Reset: SET_OFF oder "
     "SET_ON. (Voreingestellter Wert: {SET_OFF,0,0} )"},
    {"SCPT Typ:", "SCPTstep, Index 83, SNVT_lev_cont",
     "Schrittweite von Lichtregler 2 für die Befehle SET_UP und SET_DOWN von nviLcSetting. "
     "(Voreingestellter Wert: 10 % )"},
    {"SCPT Typ:", "UCPTgeneralCP1, Index 7, SNVT_state",
     "Konfigurationsparameter zur Einstellung der Reglerfunktionalität von Lichtregler 2. "
     "(Voreingestellter Wert: Konstantlichtregelung)\r\n"
     "Weitere Informationen entnehmen Sie bitte der Softwaredokumentation"},
    {"SCPT Typ:", "SCPTmaxOut, Index 93, SNVT_lev_cont",
     "Höchster Lampenwert, den Lichtregler 2 sendet. (Voreingestellter Wert: 100 % )"},
    {"UCPT Typ:", "UCPTlightRatio, Index 11, SNVT_muldiv",
     "Verhältnis der Beleuchtungsstärke am Lichtsensor zu der am Arbeitsplatz von Lichtregler 2, als "
     "Multiplikator und Divisor.\r\n"
     "Voreingestellter Wert: 1000, 100"},
    // Schaltobjekt
    {"SCPT Typ:", "SCPTmaxOut, Index 93, SNVT_lev_cont",
     "Höchster Wert, den das Schaltobjekt beim Einschalten oder Aufdimmen über nvoSwSwitch sendet. "
     "(Voreingestellter Wert: 100 % )"},
    {"SCPT Typ:", "SCPTmaxSendTime, Index 49, SNVT_time_sec",
     "Heartbeatfunktion der Ausgänge nvoSwSwitch und nvoSwSetting des Schaltobjekts. Mit Eingabewert = 0 "
     "wird die Heartbeatfunktion deaktiviert. (Voreingestellter Wert: 0 )"},
    {"SCPT Typ:", "SCPTstepValue, Index 92, SNVT_lev_cont",
     "Schrittweite des Schaltobjekts beim Dimmen. (Voreingestellter Wert: 5 %)"},
    {"UCPT Typ:", "UCPTdiConfig, Index 44, UNVT_str_hex4",
     "Konfiguration der digitalen Eingänge für die Funktionen aktiv / nicht aktiv, Licht Toggle, Licht "
     "Toggle Dimmen oder Automatik sowie Auswahl der Kontaktart (Öffner bzw. Schließer). Weitere "
     "Informationen entnehmen Sie bitte der Softwaredokumentation"},
    // Raumtemperaturregler
    {"UCPT Typ:", "UCPTheatXp, Index 19, SNVT_temp_p",
     "Proportionalbereich Xp des Heizungsreglers. (Voreingestellter Wert: 4 K, Bereich: 0-10 K)"},
    {"UCPT Typ:", "UCPTheatTn, Index 20, SNVT_time_min",
     "Nachstellzeit Tn (Integralanteil) des Heizungsreglers. (Voreingestellter Wert: 100 min)"},
    {"UCPT Typ:", "UCPTheatTv, Index 21, SNVT_time_min",
     "Vorhaltezeit Tv (Differentialanteil) des Heizungsreglers. (Voreingestellter Wert: 0 min)"},
    {"UCPT Typ:", "UCPTheatMinDay, Index 27, SNVT_lev_percent",
     "Kleinste Stellung des Heizventils bei Belegung (Tag). (Voreingestellter Wert: 0 %)"},
    {"UCPT Typ:", "UCPTheatMinNight, Index 26, SNVT_lev_percent",
     "Kleinste Stellung des Heizventils ohne Belegung (Nacht). (Voreingestellter Wert: 0 %)"},
    {"UCPT Typ:", "UCPTheatMax, Index 28, SNVT_lev_percent",
     "Größte Stellung des Heizventils. (Voreingestellter Wert: 100 %)"},
    {"UCPT Typ:", "UCPTcoolXp, Index 22, SNVT_temp_p",
     "Proportionalbereich Xp des Kühlungsreglers. (Voreingestellter Wert: 4 K, Bereich: 0-10 K)"},
    {"UCPT Typ:", "UCPTcoolTn, Index 23, SNVT_time_min",
     "Nachstellzeit Tn (Integralanteil) des Kühlungsreglers. (Voreingestellter Wert: 100 min)"},
    {"UCPT Typ:", "UCPTcoolTv, Index 24, SNVT_time_min",
     "Vorhaltezeit Tv (Differentialanteil) des Kühlungsreglers. (Voreingestellter Wert: 0 min)"},
    {"UCPT Typ:", "UCPTcoolMinDay, Index 30, SNVT_lev_percent",
     "Kleinste Stellung des Kühlventils bei Belegung (Tag). (Voreingestellter Wert: 0 %)"},
    {"UCPT Typ:", "UCPTcoolMinNight, Index 29, SNVT_lev_percent",
     "Kleinste Stellung des Kühlventils ohne Belegung (Nacht). (Voreingestellter Wert: 0 %)"},
    {"UCPT Typ:", "UCPTcoolMax, Index 31, SNVT_lev_percent",
     "Größte Stellung des Kühlventils. (Voreingestellter Wert: 100 %)"},
    {"SCPT Typ:", "SCPTsetPnts, Index 60, SNVT_temp_setpt",
     "Temperatursollwerte des Raumtemperaturreglers in dieser Reihenfolge: Kühlen belegt, Kühlen "
     "Standby, Kühlen unbelegt, Heizen belegt, Heizen Standby, Heizen unbelegt."},
    {"SCPT Typ:", "SCPTnumValves, Index 59, SNVT_count",
     "Anzahl der Ventile der Heiz- und Kühlanlage.\r\n"
     "SCPTnumValves = 1: ==> 2-Leiter-System\r\n"
     "SCPTnumValves = 2: ==> 4-Leiter-System (default)"},
    {"SCPT Typ:", "SCPToffsetTemp, Index 70, SNVT_temp_p",
     "Korrektur der gemessenen Raumtemperatur, um den Einfluss des Montageortes auszugleichen. Sie wird "
     "zum Messwert addiert, bevor dieser über nvoSpaceTemp gesendet wird."},
    {"UCPT Typ:", "SCPTmaxSendTime, Index 49, SNVT_time_sec",
     "Heartbeatfunktion der Ausgänge des Raumtemperaturreglers. Mit Eingabewert = 0 wird die "
     "Heartbeatfunktion deaktiviert. (Voreingestellter Wert: 30 s)"},
    {"UCPT Typ:", "UCPTpwmCycleTime, Index 35, SNVT_time_min",
     "Zykluszeit der pulsweitenmodulierten Ventilausgänge nvoHeatPWM und nvoCoolPWM. (Voreingestellter "
     "Wert: 15 min)"},
    {"SCPT Typ:", "SCPThvacMode, Index 74, SNVT_hvac_mode",
     "Betriebsart des Raumtemperaturreglers nach einem Reset: HVAC_AUTO, HVAC_HEAT, HVAC_COOL oder "
     "HVAC_OFF.\r\n"
     "Voreingestellter Wert: HVAC_AUTO"},
    {"UCPT Typ:", "UCPTspAntiFreez, Index 18, SNVT_temp_p",
     "Frostschutz-Sollwert: solange die Energiesperre aktiv ist (z.B. bei offenem Fenster), hält der "
     "Regler diese Temperatur. (Voreingestellter Wert: 10 °C)"},
};
static_assert(std::size(kNci) == kNciHelpRows);

}  // namespace

std::span<const NciHelpRow, kNciHelpRows> GermanNciHelpRows() {
  return kNci;
}

}  // namespace qvr::text_data
