// The German texts that the main window sets at run time: its combo-box lists, which its layout leaves
// empty or holds in another form, and the help pane's welcome text. Every caption keeps its design text.

#include "texts/WindowTextList.h"

namespace qvr::text_data {
namespace {

constexpr std::array<std::string_view, 2> kContactTypeItems = {"Schließer", "Öffner"};
constexpr std::array<std::string_view, 4> kInputFunctionItems = {"aktiv / nicht aktiv", "Licht Toggle",
                                                                 "Licht Toggle mit Dimmen", "Automatik"};

constexpr std::string_view kWelcomeText =
    "\r\n\r\n"
    "Wenn Sie Informationen über eine Netzwerkvariable wünschen, dann klicken Sie in das entsprechende "
    "Textfeld."
    "\r\n\r\n"
    "Das Calyxtern Team wünscht: viel Spass beim parametrieren!";

}  // namespace

std::vector<WindowText> GermanMainWindowTexts() {
  return WindowTextList()
      .List("cmb_nci", 19, kControllerOptionItems)
      .List("cmb_nci", 30, kControllerOptionItems)
      .List("cmb_nci", 36, kContactTypeItems)
      .List("cmb_nci", 37, kInputFunctionItems)
      .List("cmb_nci", 54, kHvacModeItems)
      .List("cmb_nci", 6, kOffOnItems)
      .Text("RTHinweis", kWelcomeText)
      .Take();
}

}  // namespace qvr::text_data
