#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "texts/WindowTexts.h"

namespace qvr {
namespace {

std::vector<std::string> ListOf(const std::vector<WindowText>& texts, const std::string& control, int index) {
  std::vector<std::string> items;
  for (const WindowText& t : texts)
    if (t.control == control && t.index == index && t.target == TextTarget::ListItem) items.push_back(t.text);
  return items;
}

std::optional<std::string> Find(const std::vector<WindowText>& texts, const std::string& control, int index,
                                TextTarget target) {
  for (const WindowText& t : texts)
    if (t.control == control && t.index == index && t.target == target) return t.text;
  return std::nullopt;
}

const std::vector<std::string> kControllerOptions = {"CLC, start maxOut", "CLC, start 0%", "ON/OFF LC",
                                                     "OFF LC"};
const std::vector<std::string> kHvacModes = {"HVAC_AUTO", "HVAC_HEAT", "HVAC_COOL", "HVAC_OFF"};

TEST(WindowTexts, EnglishMainWindow) {
  const std::vector<WindowText>& texts = WindowTexts(kMainWindowTexts, Language::English);
  EXPECT_EQ(Find(texts, "cmdApply", -1, TextTarget::Caption), "A&pply");
  EXPECT_EQ(Find(texts, "cmdCancel", -1, TextTarget::Caption), "&Cancel");
  EXPECT_EQ(Find(texts, "cmdGerAuswahl", -1, TextTarget::ToolTip),
            "shows a list with all devices of the same program-id ");
  EXPECT_EQ(Find(texts, "lblNc", 51, TextTarget::Caption), "Controller options:");
  EXPECT_EQ(Find(texts, "lblNc", 60, TextTarget::Caption), "Occupancy detector LED");
  EXPECT_EQ(Find(texts, "lblPolling", -1, TextTarget::Caption), "Pollinterval (s):");
  EXPECT_EQ(Find(texts, "PlugInStatus", 2, TextTarget::PanelToolTip), "Devicetyp");
  EXPECT_EQ(Find(texts, "PlugInStatus", 5, TextTarget::PanelToolTip), std::nullopt);

  EXPECT_EQ(ListOf(texts, "cmb_nci", 19), kControllerOptions);
  EXPECT_EQ(ListOf(texts, "cmb_nci", 30), kControllerOptions);
  EXPECT_EQ(ListOf(texts, "cmb_nci", 6), (std::vector<std::string>{"Off", "On"}));
  EXPECT_EQ(ListOf(texts, "cmb_nci", 36), (std::vector<std::string>{"close contact", "break contact"}));
  EXPECT_EQ(ListOf(texts, "cmb_nci", 37),
            (std::vector<std::string>{"Standard I/O", "Toggle", "Dimming", "Manual Overriding"}));
  EXPECT_EQ(ListOf(texts, "cmb_nci", 54), kHvacModes);
  EXPECT_EQ(ListOf(texts, "cmb_nvi", 5), (std::vector<std::string>{"sensitive", "unsensitive"}));

  EXPECT_EQ(
      Find(texts, "RTHinweis", -1, TextTarget::Text),
      "\r\n\r\nIf you want some informations about a Networkvariable, then  feel free and click in the "
      "Textbox.\r\n\r\nThe whole Calyxtern Team wish you a lot of fun by using this tool,which helps to "
      "save your time. ");
}

TEST(WindowTexts, GermanMainWindowSetsOnlyItsListsAndTheWelcomeText) {
  const std::vector<WindowText>& texts = WindowTexts(kMainWindowTexts, Language::German);
  for (const WindowText& t : texts)
    EXPECT_TRUE(t.target == TextTarget::ListItem || t.control == "RTHinweis") << t.control << " " << t.text;
  EXPECT_EQ(ListOf(texts, "cmb_nci", 37), (std::vector<std::string>{"aktiv / nicht aktiv", "Licht Toggle",
                                                                    "Licht Toggle mit Dimmen", "Automatik"}));
  EXPECT_EQ(ListOf(texts, "cmb_nci", 36), (std::vector<std::string>{"Schließer", "Öffner"}));
  EXPECT_EQ(ListOf(texts, "cmb_nci", 19), kControllerOptions);
  EXPECT_EQ(ListOf(texts, "cmb_nci", 30), kControllerOptions);
  EXPECT_EQ(ListOf(texts, "cmb_nci", 54), kHvacModes);
  EXPECT_EQ(ListOf(texts, "cmb_nci", 6), (std::vector<std::string>{"Off", "On"}));
  EXPECT_TRUE(ListOf(texts, "cmb_nvi", 5).empty()) << "keeps its design items Empfindlich, Unempfindlich";
  EXPECT_EQ(Find(texts, "RTHinweis", -1, TextTarget::Text),
            "\r\n\r\nWenn Sie Informationen über eine Netzwerkvariable wünschen, dann klicken Sie in das "
            "entsprechende Textfeld.\r\n\r\nDas Calyxtern Team wünscht: viel Spass beim parametrieren!");
}

TEST(WindowTexts, EnglishDialogs) {
  const std::vector<WindowText>& selection = WindowTexts(kDeviceSelectionWindowTexts, Language::English);
  EXPECT_EQ(Find(selection, "fGeräteauswahl", -1, TextTarget::Caption), "select Devices...");
  EXPECT_EQ(Find(selection, "cmdFertig", -1, TextTarget::Caption), "Done");
  EXPECT_EQ(Find(selection, "cmdreset", -1, TextTarget::Caption), "Reset selection");
  EXPECT_EQ(Find(selection, "chksynchronisiern", -1, TextTarget::Caption), "sync. Devices");
  EXPECT_EQ(Find(selection, "chksynchronisiern", -1, TextTarget::ToolTip),
            "By activating this option, 'all' parameters will be transmit to the selcted devices.");

  const std::vector<WindowText>& about = WindowTexts(kAboutWindowTexts, Language::English);
  EXPECT_EQ(Find(about, "lblVersion", -1, TextTarget::Caption),
            "Calyxtern_qvr_lon_PlugIn: Version 1.3 for LNS/LCA for Windows®");
  EXPECT_EQ(Find(about, "lbl_Software_Hinweis", -1, TextTarget::Caption),
            std::string(LiabilityDisclaimer(Language::English)));

  const std::vector<WindowText>& print = WindowTexts(kPrintChoiceWindowTexts, Language::English);
  EXPECT_EQ(Find(print, "fDruckmenue", -1, TextTarget::Caption), "Print properties");
  EXPECT_EQ(Find(print, "cmdDruck", -1, TextTarget::Caption), "Printmenu");
  EXPECT_EQ(Find(print, "lblDruckauswahl", -1, TextTarget::Caption), "Print properties");
  EXPECT_EQ(print.size(), 3u);
}

TEST(WindowTexts, NothingIsSetWithoutALanguageForOtherWindowsOrForGermanDialogs) {
  for (int window : {0, 1, 2, 3}) EXPECT_TRUE(WindowTexts(window, Language::None).empty()) << window;
  for (int window : {1, 2, 3}) EXPECT_TRUE(WindowTexts(window, Language::German).empty()) << window;
  for (Language language : {Language::English, Language::German}) {
    EXPECT_TRUE(WindowTexts(-1, language).empty());
    EXPECT_TRUE(WindowTexts(4, language).empty());
  }
  EXPECT_EQ(TransferStatusCaption(Language::English), "State");
  EXPECT_EQ(TransferStatusCaption(Language::German), std::nullopt);
  EXPECT_EQ(TransferStatusCaption(Language::None), std::nullopt);
}

TEST(WindowTexts, EachListComesWholeFromItemZero) {
  for (Language language : {Language::English, Language::German}) {
    for (int window : {0, 1, 2, 3}) {
      const std::vector<WindowText>& texts = WindowTexts(window, language);
      std::map<std::pair<std::string, int>, int> nextItem;
      std::pair<std::string, int> previousList;
      for (const WindowText& t : texts) {
        if (t.target != TextTarget::ListItem) {
          EXPECT_EQ(t.item, -1) << t.control;
          previousList = {};
          continue;
        }
        const std::pair<std::string, int> list{t.control, t.index};
        if (list != previousList) {
          EXPECT_EQ(nextItem.count(list), 0u) << t.control << t.index << " split up";
        }
        EXPECT_EQ(t.item, nextItem[list]++) << t.control << t.index;
        previousList = list;
      }
    }
  }
}

TEST(WindowTexts, TheDisclaimerExistsInBothLanguages) {
  const std::string_view english = LiabilityDisclaimer(Language::English);
  const std::string_view german = LiabilityDisclaimer(Language::German);
  EXPECT_NE(english.find("liability"), std::string_view::npos);
  EXPECT_NE(german.find("haftet"), std::string_view::npos);
  EXPECT_TRUE(LiabilityDisclaimer(Language::None).empty());
}

}  // namespace
}  // namespace qvr
