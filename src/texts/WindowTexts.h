#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "texts/Language.h"

namespace qvr {

// Window numbers, as the windows pass them when they set their texts.
inline constexpr int kMainWindowTexts = 0;             // fMain
inline constexpr int kDeviceSelectionWindowTexts = 1;  // fGeräteauswahl
inline constexpr int kAboutWindowTexts = 2;            // fAbout
inline constexpr int kPrintChoiceWindowTexts = 3;      // fDruckmenue

enum class TextTarget {
  Caption,       // the control's caption; the window's caption when `control` is the window's own name
  ToolTip,       // the control's tool tip
  PanelToolTip,  // the tool tip of status-bar panel `index` (panels count from 1)
  ListItem,      // entry `item` of a combo box's list
  Text,          // the whole text of a text or rich-text box
};

// One text that a window puts on one of its controls.
struct WindowText {
  std::string control;  // the control's name as in the window's layout ("cmdApply", "cmb_nci")
  int index;            // control-array index, panel number for PanelToolTip, -1 for a single control
  TextTarget target;
  int item;  // ListItem: position in the list, from 0; -1 otherwise
  std::string text;
};

// The texts that window `windowNumber` sets on itself when it loads (the print-choice window: each time
// it is activated), in the order in which they are set. The windows are laid out with German texts:
// - English: the English captions and tool tips of the window; for the main window also its combo-box
//   lists and the help pane's welcome text.
// - German: for the main window its combo-box lists and the help pane's welcome text; nothing for the
//   other windows, which keep their design texts.
// - A number other than 0 to 3: nothing.
// The ListItem entries of one combo box come together, from item 0 up, and make up its whole list: they
// replace the design entries (cmb_nci 6 and cmb_nvi 5 have two each) or fill an empty list.
const std::vector<WindowText>& WindowTexts(int windowNumber, Language language);

// The caption of the transfer-status window fStatus that the English main window sets; nothing for the
// German one, where it keeps its design caption "Status". Setting it loads fStatus, whose labels
// read MsgMain 40, 41, 42 and 47: fill the text tables first.
std::optional<std::string_view> TransferStatusCaption(Language language);

// The maker's liability disclaimer of the about box (lbl_Software_Hinweis): the English one is among
// the English about-box texts; the German one is the about box's design text.
std::string_view LiabilityDisclaimer(Language language);

}  // namespace qvr
