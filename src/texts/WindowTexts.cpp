#include "texts/WindowTexts.h"

#include "texts/WindowTextList.h"

namespace qvr {

const std::vector<WindowText>& WindowTexts(int windowNumber, Language language) {
  static const std::vector<WindowText> kNoTexts;
  static const std::vector<WindowText> kEnglish[] = {
      text_data::EnglishMainWindowTexts(), text_data::EnglishDeviceSelectionTexts(),
      text_data::EnglishAboutTexts(), text_data::EnglishPrintChoiceTexts()};
  static const std::vector<WindowText> kGermanMainWindow = text_data::GermanMainWindowTexts();

  if (windowNumber < kMainWindowTexts || windowNumber > kPrintChoiceWindowTexts) return kNoTexts;
  if (language == Language::English) return kEnglish[windowNumber];
  return windowNumber == kMainWindowTexts ? kGermanMainWindow : kNoTexts;
}

std::optional<std::string_view> TransferStatusCaption(Language language) {
  if (language == Language::English) return "State";
  return std::nullopt;
}

}  // namespace qvr
