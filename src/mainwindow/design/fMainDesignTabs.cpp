// Builds the value tabs of the main window from the rows of fMainDesignLayout.h: each cell becomes one
// element of its control array, placed in its tab's frame at its column and line.

#include <string>

#include "mainwindow/design/fMainDesignLayout.h"
#include "mainwindow/design/fMainDesignParts.h"
#include "mainwindow/fMain.h"

namespace qvr::main_design {

namespace {

struct Rect {
  float left, top, width, height;
};

float ColumnLeft(int column) {
  return kColumnMargin + column * (kColumnWidth + kColumnGap);
}
float LineTop(float firstRowTop, int line) {
  return firstRowTop + line * kRowPitch;
}

template <class T>
T& Place(ui::ControlArray<T>& array, int index, ui::Frame& holder, const Rect& at) {
  T& control = array.Add(index);
  control.SetContainer(holder);
  control.Move(at.left, at.top, at.width, at.height);
  return control;
}

void SetCaption(ui::Label& label, std::string_view caption) {
  label.SetCaption(std::string(caption));
}

void FillList(ui::ComboBox& box, Piece piece, int index) {
  box.SetStyle(ChoiceStyle(piece, index));
  for (std::string_view item : ChoiceList(piece, index)) box.AddItem(std::string(item));
}

void SetBounds(ui::UpDown& spin, SpinBounds bounds) {
  spin.SetMin(bounds.min);
  spin.SetMax(bounds.max);
}

void PlaceCell(fMain& window, const Cell& cell, ui::Frame& holder, const Rect& at) {
  const int index = cell.index;
  switch (cell.piece) {
    case Piece::Gap:
      return;
    case Piece::NciName:
      return SetCaption(Place(window.lblNci, index, holder, at), cell.caption);
    case Piece::NviName:
      return SetCaption(Place(window.lblNvi, index, holder, at), cell.caption);
    case Piece::NvoName:
      return SetCaption(Place(window.lblNvo, index, holder, at), cell.caption);
    case Piece::Note:
      return SetCaption(Place(window.lblNc, index, holder, at), cell.caption);
    case Piece::NciBox:
      Place(window.txtNci, index, holder, at);
      return;
    case Piece::NciSpin:
      // A spin cell without bounds is a fault of the design table; value() reports it at once.
      return SetBounds(Place(window.UpD_nci, index, holder, at), NciSpinBounds(index).value());
    case Piece::NciChoice:
      return FillList(Place(window.cmb_nci, index, holder, at), cell.piece, index);
    case Piece::NviBox:
      Place(window.txtNvi, index, holder, at);
      return;
    case Piece::NviChoice:
      return FillList(Place(window.cmb_nvi, index, holder, at), cell.piece, index);
    case Piece::NviSetting:
      Place(window.txtnviset, index, holder, at);
      return;
    case Piece::NviSpin:
      return SetBounds(Place(window.UpD_nvi, index, holder, at), kNviSpinBounds);
    case Piece::NviReset:
      return Place(window.cmd_Nvi_Reset, index, holder, at).SetCaption("Reset");
    case Piece::NvoBox:
      Place(window.txtNvo, index, holder, at);
      return;
  }
}

void PlaceRow(fMain& window, const Row& row) {
  const bool inner = row.holder == Holder::SccInner;
  ui::Frame& holder = inner ? window.fraSccInner : window.fraBlock[row.tab];
  float left = inner ? kColumnMargin : ColumnLeft(row.column);
  const float top = LineTop(inner ? kSccInnerFirstRowTop : kFirstRowTop, row.line);
  for (const Cell& cell : row.cells) {
    PlaceCell(window, cell, holder, {left, top, cell.width, kRowHeight});
    left += cell.width + kCellGap;
  }
}

void DesignTabsAndFrames(fMain& window) {
  window.tabData.Move(kTabsLeft, kTabsTop, kTabsWidth, kTabsHeight);
  for (const BlockTab& tab : BlockTabs()) {
    const int page = window.tabData.AddTab(std::string(tab.caption));
    ui::Frame& frame = window.fraBlock.Add(page);
    frame.SetContainer(window.tabData, page);
    frame.SetCaption(std::string(tab.block));
    frame.Move(kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight);
  }
  ui::Frame& inner = window.fraSccInner;
  inner.SetContainer(window.fraBlock[kSccConfigTab]);
  inner.SetCaption(std::string(kSccInnerCaption));
  inner.Move(ColumnLeft(kSccInnerColumn), kFirstRowTop, kColumnWidth,
             LineTop(0, kSccInnerLines - 1) + kRowHeight);
}

}  // namespace

void DesignValueTabs(fMain& window) {
  DesignTabsAndFrames(window);
  for (const Row& row : ValueRows()) PlaceRow(window, row);
}

}  // namespace qvr::main_design
