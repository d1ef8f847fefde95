// The German message texts, stored exactly as the system shows them: blanks at either end, doubled
// blanks and misspellings (" registery") are part of the texts and kept on purpose: do not correct them
// (many entries are pieces joined with names or numbers).

#include "texts/MessageData.h"

namespace qvr::text_data {
namespace {

constexpr IndexedText kMsgMain[] = {
    {0,
     "Das 'device resource file' für dieses Gerät konnte nicht gefunden werden. Browsing and data formating "
     "capabilities might be restricted to standard types and standard functional profile templates "
     "therefore. Wollen Sie fortfahren?"},
    {1, "Unable to set the Mode for the LonMark Objects, do you want to proceed?"},
    {2, "lese Parameter....."},
    {3, "teste das Gerät..."},
    {4, "lese den Status..."},
    {5, "lese Netzwerkvariablen... "},
    {6, "lese Configuration Property: "},
    {7, "Complete DRF look-up in progress..."},
    {8, "Funktion:"},
    {9, "Datum:"},
    {10, "Objekt"},
    {11, "Variable"},
    {12, "Wert"},
    {13, "Deutsch"},
    {14, "Englisch"},
    {15, "das Gerät: "},
    {16, " ist nicht Online"},
    {17, " hat keine NeuronID"},
    {18, "Parameter zu dem aktuellen Gerät übertragen?"},
    {19, " ! kein Gerät ausgewählt !"},
    {20,
     "A director is using this plug-in.  Exiting may cause the director to experience errors.  Are you sure "
     "that you want to exit?"},
    {21, "There are "},
    {22,
     " directors using this plug-in.  Exiting may cause the directors to experience errors.  Are you sure "
     "that you want to exit?"},
    {23, "Monitor An"},
    {24, "Monitor Aus"},
    {25, "Drucken"},
    {26, "Parameter(SCPT) laden"},
    {27, "Parameter(SCPT) speichern"},
    {28, "schreibe Netzwerkvariablen.."},
    {29, "schreibe Parameter..."},
    {30, " kann nicht synchronisiert werden !"},
    {31, "Die nicht gesendeten Parameter können nicht beim synchronisieren übertragen werden. "},
    {32, "Es handelt sich dabei um Gerätespezifische und keine allgemeingültigen Parameter."},
    {33, "Um diese Parameter an mehrere Geräte zu übertragen, wählen Sie "},
    {34, "die gewünschten Geräte ohne die Option synchronisieren."},
    {35, "  wiederhole..."},
    {36, "SNVT Typ:"},
    {37, "SCPT Typ:"},
    {38, "suche weitere Geräte..."},
    {39, "gefunden: "},
    {40, "Geräte:"},
    {41, "Parameter:"},
    {42, "verbleibende Zeit:"},
    {43, "Konfigurationsparameter"},
    {45, "Dieses Gerät hat keine Parameter zum Speichern."},
    {46,
     "Plug-In erfolgreich installiert. Zum Fertigstellen der Installation bitte Netzwerkmanagmenttool neu "
     "starten!"},
    {47, "Zum Abbrechen der Datenübertragung Status-Fenster schließen."},
    {49, "Für dieses Gerät ist hier keine Beschreibung vorhanden."},
};

constexpr IndexedText kMsgFramework[] = {
    {0, "Öffne den Objektserver"},
    {1, "Öffne "},
    {2, "Deregistriere commands..."},
    {3, "Eine neuere Version des Plug-in ist bereits registriert"},
    {4, " Registrierung als COM server ist fehlgeschlagen"},
    {5, "Plug-in wurde registriert als "},
    {6, "Die neuere Version des Plug-in wurde registriert als "},
    {7,
     "register the same plug-in on the server so that the DRF can be installed there, too. Failure to do so "
     "is not an error, but might lead to confusion later"},
    {8, " Deregistrierung als COM server ist fehlgeschlagen"},
    {9, " deregistriert"},
    {10, " existiert nicht in der Windows registery"},
    {11, " konnte nicht gefunden werden."},
    {12, "Cannot Export Database"},
    {13, "Remote client kann keine Templates hinzufügen."},
    {14, "Unable to find XIF file / create a template."},
    {15, "Es konnte kein Templatename erstellt werden."},
    {16, "füge command hinzu "},
    {17, "Möchten Sie den Command "},
    {18, " als Standardanwendung für "},
    {19, " Geräte?"},
    {20, " die Standardanwendug für das LonMark Objekt "},
    {21, " für "},
    {22, " objekte?"},
    {23, "Fehler beim hinzufügen von command "},
    {24, " für Device Template"},
    {25, "Unable to add the resources listed in the ResourceTable to the catalog"},
    {26, "Das device template '"},
    {27, "' wird von keinem Gerät im aktuellen Netzwerk verwendet. Soll das Template entfernt werden?"},
    {28, "Es ist nicht möglich folgendes Template zu entfernen: "},
    {29, "deregistriere Command "},
    {30, "erstelle Templates..."},
    {31, "Die Geräte-Interface-Datei kann nicht importiert werden: "},
    {33,
     " wurde von diesem Rechner entfernt, aber seine Commands bleiben in diesen Netzwerken, die nicht "
     "geöffnet werden konnten: "},
    {34,
     " wurde von diesem Rechner entfernt, aber seine Commands können in den Netzwerken bleiben, da der "
     "Object Server nicht geöffnet werden konnte: "},
    {35, " konnte nicht aus der Windows registry gelöscht werden: "},
    {36,
     " wurde von diesem Rechner entfernt, aber seine Commands bleiben in diesen Netzwerken, deren Einträge "
     "nicht entfernt werden konnten: "},
};

constexpr IndexedText kMsgPlugInAPI[] = {
    {0, "Registeriere plug-in . . ."},
    {1, "konnte unterstützten Command nicht registrieren"},
    {2, "deregistriere plug-in . . ."},
    {3, "Initialisiere plug-in . . ."},
    {4, "Objekttyp wird nicht unterstützt vom command"},
    {5, "Command nicht unterstützt"},
    {6, "Das Netzwerk kann nicht geöffnet werden "},
    {7, "Attempt to write to read-only property"},
    {9, "Plug-in can't be moved or sized while minimized or maximized"},
    {10,
     "Can not modify the minimzed property when invisble. The property will be applied the next time the "
     "plug-in is made visible"},
};

constexpr IndexedText kMsgDirector[] = {
    {0, "das Plug-in ist beschäftigt: "},
    {1, "ein Fenster des Benutzers ist geöffnet"},
    {2, "Übernehmen läuft"},
    {3, "ein Command läuft"},
    {4,
     "das Plug-in-Programm hält höchstens 32767 Objekte; geben Sie eines frei, bevor Sie ein weiteres "
     "erzeugen"},
    {5,
     "das Plug-in wird nicht im Netzwerk registriert: niemand sieht die Fenster dieses Plug-in-Programms "
     "(kein Display), und die Registrierung fragt ihren Benutzer"},
};
}  // namespace

MessageTexts GermanMessages() {
  return {kMsgMain, kMsgFramework, kMsgPlugInAPI, kMsgDirector};
}

}  // namespace qvr::text_data
