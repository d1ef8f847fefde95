// The design lists of the companion combo boxes, in German as the window is laid out. The window's
// texts replace or fill some of them for the language (cmb_nci 6, 19, 30, 36, 37, 54 and cmb_nvi 5; the
// lists of cmb_nci 19, 30, 36, 37 and 54 are theirs alone);
// the device model fills cmb_nvi 23 and 24.

#include <vector>

#include "mainwindow/design/fMainDesignLayout.h"
#include "platform/ui/ComboBox.h"

namespace qvr::main_design {

namespace {

struct ListOfBoxes {
  Piece piece;
  std::vector<int> boxes;
  std::vector<std::string_view> items;
};

const ListOfBoxes kLists[] = {
    {Piece::NciChoice, {0, 1}, {"Manuel", "nviLcSetting = Set_OFF"}},
    {Piece::NciChoice, {6, 17, 28}, {"SET_OFF", "SET_ON"}},
    {Piece::NciChoice, {50}, {"1", "2"}},
    {Piece::NviChoice, {1, 2, 22}, {"OC_NUL", "OC_OCCUPIED", "OC_UNOCCUPIED"}},
    {Piece::NviChoice, {21}, {"OC_NUL", "OC_OCCUPIED", "OC_STANDBY", "OC_UNOCCUPIED"}},
    {Piece::NviChoice, {3}, {"SET_ON", "SET_OFF"}},
    {Piece::NviChoice, {4}, {"100.0 1", "0.0 0"}},
    {Piece::NviChoice, {5}, {"Empfindlich", "Unempfindlich"}},
    {Piece::NviChoice, {8, 12}, {"SET_ON", "SET_OFF", "SET_UP", "SET_DOWN"}},
    {Piece::NviChoice, {20}, {"HVAC_AUTO", "HVAC_HEAT", "HVAC_COOL", "HVAC_OFF"}},
};

}  // namespace

std::vector<std::string_view> ChoiceList(Piece piece, int index) {
  for (const ListOfBoxes& entry : kLists) {
    if (entry.piece != piece) continue;
    for (int box : entry.boxes) {
      if (box == index) return entry.items;
    }
  }
  return {};
}

int ChoiceStyle(Piece piece, int index) {
  if (piece == Piece::NciChoice) return ui::vbComboDropdownList;
  switch (index) {
    case 3:
    case 4:
    case 5:
    case 8:
    case 12:
      return ui::vbComboDropdownList;
    default:
      return ui::vbComboDropdown;
  }
}

}  // namespace qvr::main_design
