#include "texts/WindowTexts.h"

namespace qvr {

std::string_view LiabilityDisclaimer(Language language) {
  switch (language) {
    case Language::English:
      return "This software is provided as it is. Calyxtern accepts no liability for damage or loss of "
             "data caused by its use or by wrong parameter settings. Please check every configuration "
             "before the devices are put into operation.";
    case Language::German:
      return "Diese Software wird ohne Gewähr zur Verfügung gestellt. Calyxtern haftet nicht für Schäden "
             "oder Datenverluste, die durch ihre Benutzung oder durch falsche Parametereinstellungen "
             "entstehen. Bitte prüfen Sie jede Konfiguration, bevor die Geräte in Betrieb genommen "
             "werden.";
  }
  return {};
}

}  // namespace qvr
