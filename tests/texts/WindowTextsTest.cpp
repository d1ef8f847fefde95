#include "texts/WindowTexts.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace texts_test {
namespace {

using qvr::Language;
using qvr::TextTarget;
using qvr::WindowText;

using ListKey = std::pair<std::string, int>;

// Each combo box's list as the window texts give it.
std::map<ListKey, std::vector<std::string>> ListsOf(const std::vector<WindowText>& texts) {
  std::map<ListKey, std::vector<std::string>> lists;
  for (const WindowText& t : texts)
    if (t.target == TextTarget::ListItem) lists[{t.control, t.index}].push_back(t.text);
  return lists;
}

std::optional<std::string> Find(const std::vector<WindowText>& texts, const std::string& control, int index,
                                TextTarget target) {
  for (const WindowText& t : texts)
    if (t.control == control && t.index == index && t.target == target) return t.text;
  return std::nullopt;
}

TEST(WindowTexts, EveryWindowOfEachLanguageSetsOnlyWhatItsLanguageOwns) {
  for (int window : {0, 1, 2, 3}) {
    EXPECT_FALSE(qvr::WindowTexts(window, Language::English).empty()) << window;
    if (window > 0) {
      EXPECT_TRUE(qvr::WindowTexts(window, Language::German).empty()) << window;
    }
  }
  for (Language language : {Language::English, Language::German}) {
    EXPECT_TRUE(qvr::WindowTexts(-1, language).empty());
    EXPECT_TRUE(qvr::WindowTexts(4, language).empty());
  }
  // The German main window keeps its design captions: it sets its lists and the welcome text only.
  for (const WindowText& t : qvr::WindowTexts(qvr::kMainWindowTexts, Language::German))
    EXPECT_TRUE(t.target == TextTarget::ListItem || t.control == "RTHinweis") << t.control << " " << t.text;

  EXPECT_EQ(qvr::TransferStatusCaption(Language::English), "State");
  EXPECT_EQ(qvr::TransferStatusCaption(Language::German), std::nullopt);
}

// Each list comes whole, from item 0 up, with no empty entry; both languages fill the same lists with
// the same number of entries, except cmb_nvi 5, which German leaves at its design entries.
TEST(WindowTexts, ListsComeWholeAndAlikeInBothLanguages) {
  for (Language language : {Language::English, Language::German}) {
    for (int window : {0, 1, 2, 3}) {
      std::map<ListKey, int> nextItem;
      ListKey previousList;
      for (const WindowText& t : qvr::WindowTexts(window, language)) {
        EXPECT_FALSE(t.text.empty()) << t.control << t.index;
        if (t.target != TextTarget::ListItem) {
          EXPECT_EQ(t.item, -1) << t.control;
          previousList = {};
          continue;
        }
        const ListKey list{t.control, t.index};
        if (list != previousList) {
          EXPECT_EQ(nextItem.count(list), 0u) << t.control << t.index << " split up";
        }
        EXPECT_EQ(t.item, nextItem[list]++) << t.control << t.index;
        previousList = list;
      }
    }
  }
  auto english = ListsOf(qvr::WindowTexts(qvr::kMainWindowTexts, Language::English));
  const auto german = ListsOf(qvr::WindowTexts(qvr::kMainWindowTexts, Language::German));
  EXPECT_EQ(english.erase({"cmb_nvi", 5}), 1u);
  ASSERT_EQ(english.size(), german.size());
  for (const auto& [list, items] : english) {
    ASSERT_EQ(german.count(list), 1u) << list.first << list.second;
    EXPECT_EQ(german.at(list).size(), items.size()) << list.first << list.second;
  }
  // The HVAC modes are values the device takes: they read alike in both languages.
  EXPECT_EQ(english.at({"cmb_nci", 54}), german.at({"cmb_nci", 54}));
  EXPECT_EQ(english.at({"cmb_nci", 54})[0], "HVAC_AUTO");
}

TEST(WindowTexts, SampleCaptionsAndTheDisclaimerReadExactly) {
  const auto& main = qvr::WindowTexts(qvr::kMainWindowTexts, Language::English);
  EXPECT_EQ(Find(main, "cmdApply", -1, TextTarget::Caption), "A&pply");
  EXPECT_EQ(Find(main, "PlugInStatus", 2, TextTarget::PanelToolTip), "Devicetyp");
  EXPECT_EQ(Find(qvr::WindowTexts(qvr::kAboutWindowTexts, Language::English), "lbl_Software_Hinweis", -1,
                 TextTarget::Caption),
            std::string(qvr::LiabilityDisclaimer(Language::English)));
  EXPECT_NE(qvr::LiabilityDisclaimer(Language::English).find("liability"), std::string_view::npos);
  EXPECT_NE(qvr::LiabilityDisclaimer(Language::German).find("haftet"), std::string_view::npos);
}

}  // namespace
}  // namespace texts_test
