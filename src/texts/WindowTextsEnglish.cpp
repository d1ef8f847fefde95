// The English texts of the windows, replacing their German design texts. Their misspellings ("selcted",
// "Devicetyp") are the system's own and kept on purpose: do not correct them.

#include "texts/WindowTextList.h"

namespace qvr::text_data {
namespace {

constexpr std::array<std::string_view, 2> kContactTypeItems = {"close contact", "break contact"};
constexpr std::array<std::string_view, 4> kInputFunctionItems = {"Standard I/O", "Toggle", "Dimming",
                                                                 "Manual Overriding"};
constexpr std::array<std::string_view, 2> kSensitivityItems = {"sensitive", "unsensitive"};

constexpr std::string_view kWelcomeText =
    "\r\n\r\n"
    "If you want some informations about a Networkvariable, then  feel free and click in the Textbox."
    "\r\n\r\n"
    "The whole Calyxtern Team wish you a lot of fun by using this tool,which helps to save your time. ";

}  // namespace

std::vector<WindowText> EnglishMainWindowTexts() {
  return WindowTextList()
      .List("cmb_nci", 19, kControllerOptionItems)
      .List("cmb_nci", 30, kControllerOptionItems)
      .Caption("lblNc", 32, "Controller options:")
      .Caption("lblNc", 51, "Controller options:")
      .List("cmb_nci", 36, kContactTypeItems)
      .List("cmb_nci", 37, kInputFunctionItems)
      .List("cmb_nci", 54, kHvacModeItems)
      .List("cmb_nci", 6, kOffOnItems)
      .Caption("lblNc", 60, "Occupancy detector LED")
      .List("cmb_nvi", 5, kSensitivityItems)
      .Caption("cmdApply", "A&pply")
      .Caption("cmdCancel", "&Cancel")
      .Caption("cmdGerAuswahl", "&Device selection")
      .ToolTip("cmdGerAuswahl", "shows a list with all devices of the same program-id ")
      .Caption("mnuOptionen", "&File")
      .Caption("mnuParameter_laden", "Load Parameters")
      .Caption("mnuParameter_speichern", "Save Parameters")
      .Caption("mnuDrucken", "Print")
      .Caption("mnuExit", "Exit")
      .Caption("mnuHilfe", "&Help")
      .Caption("mnuBeschreibung", "Device description")
      .Caption("lblPolling", "Pollinterval (s):")
      .PanelToolTip("PlugInStatus", 1, "Devicename")
      .PanelToolTip("PlugInStatus", 2, "Devicetyp")
      .PanelToolTip("PlugInStatus", 3, "NeuronId")
      .PanelToolTip("PlugInStatus", 4, "Status")
      .Text("RTHinweis", kWelcomeText)
      .Take();
}

std::vector<WindowText> EnglishDeviceSelectionTexts() {
  return WindowTextList()
      .Caption("cmdFertig", "Done")
      .Caption("cmdreset", "Reset selection")
      .Caption("fGeräteauswahl", "select Devices...")
      .Caption("chksynchronisiern", "sync. Devices")
      .ToolTip("chksynchronisiern",
               "By activating this option, 'all' parameters will be transmit to the selcted devices.")
      .Take();
}

std::vector<WindowText> EnglishAboutTexts() {
  return WindowTextList()
      .Caption("lblVersion", "Calyxtern_qvr_lon_PlugIn: Version 1.3 for LNS/LCA for Windows®")
      .Caption("lbl_Software_Hinweis", LiabilityDisclaimer(Language::English))
      .Take();
}

std::vector<WindowText> EnglishPrintChoiceTexts() {
  return WindowTextList()
      .Caption("fDruckmenue", "Print properties")
      .Caption("cmdDruck", "Printmenu")
      .Caption("lblDruckauswahl", "Print properties")
      .Take();
}

}  // namespace qvr::text_data
