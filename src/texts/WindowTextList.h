#pragma once

// Builds a window's list of texts in the order they are set. Internal to the texts folder.

#include <array>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "texts/WindowTexts.h"

namespace qvr::text_data {

class WindowTextList {
 public:
  WindowTextList& Caption(std::string_view control, std::string_view text);
  WindowTextList& Caption(std::string_view control, int index, std::string_view text);
  WindowTextList& ToolTip(std::string_view control, std::string_view text);
  WindowTextList& PanelToolTip(std::string_view statusBar, int panel, std::string_view text);
  WindowTextList& List(std::string_view control, int index, std::span<const std::string_view> items);
  WindowTextList& Text(std::string_view control, std::string_view text);

  std::vector<WindowText> Take() { return std::move(texts_); }

 private:
  WindowTextList& Add(std::string_view control, int index, TextTarget target, int item,
                      std::string_view text);

  std::vector<WindowText> texts_;
};

// Combo-box lists that read the same in both languages.
inline constexpr std::array<std::string_view, 4> kControllerOptionItems = {
    "CLC, start maxOut", "CLC, start 0%", "ON/OFF LC", "OFF LC"};
inline constexpr std::array<std::string_view, 4> kHvacModeItems = {"HVAC_AUTO", "HVAC_HEAT", "HVAC_COOL",
                                                                   "HVAC_OFF"};
inline constexpr std::array<std::string_view, 2> kOffOnItems = {"Off", "On"};

std::vector<WindowText> EnglishMainWindowTexts();
std::vector<WindowText> EnglishDeviceSelectionTexts();
std::vector<WindowText> EnglishAboutTexts();
std::vector<WindowText> EnglishPrintChoiceTexts();
std::vector<WindowText> GermanMainWindowTexts();

}  // namespace qvr::text_data
