#pragma once

// The design of the main window's value tabs as data: which controls stand in which row of which tab,
// where each row stands, the spin buttons' bounds and the combo boxes' design lists. fMainDesignTabs.cpp
// builds the controls from it.

#include <optional>
#include <string_view>
#include <vector>

namespace qvr::main_design {

// Geometry of the value tabs, in twips. A tab holds one frame; the frame holds three columns of rows;
// each row is a sequence of cells, left to right, separated by kCellGap.
inline constexpr float kTabsLeft = 90;
inline constexpr float kTabsTop = 90;
inline constexpr float kTabsWidth = 14820;
inline constexpr float kTabsHeight = 5100;
inline constexpr float kFrameLeft = 90;  // relative to the tab control, below its tab captions
inline constexpr float kFrameTop = 450;
inline constexpr float kFrameWidth = 14640;
inline constexpr float kFrameHeight = 4560;
inline constexpr float kColumnMargin = 90;
inline constexpr float kColumnGap = 90;
inline constexpr float kColumnWidth = 4760;
inline constexpr float kFirstRowTop = 330;  // below the frame's caption
inline constexpr float kRowPitch = 375;
inline constexpr float kRowHeight = 315;
inline constexpr float kCellGap = 30;

// Cell widths.
inline constexpr float kName = 1950;          // a data point's name, or a caption in the name column
inline constexpr float kLongName = 2400;      // a caption too long for the name column
inline constexpr float kPartIndent = 240;     // the name of a part of a composite value stands indented
inline constexpr float kValue = 1200;         // a plain value
inline constexpr float kSettingValue = 2000;  // a setting: function, value and rotation
inline constexpr float kWideValue = 2700;     // a bit field, the set points or a status text
inline constexpr float kSpin = 255;
inline constexpr float kChoice = 1520;
inline constexpr float kWideChoice = 2200;
inline constexpr float kPartName = 600;  // the name of a second part in the same row
inline constexpr float kPart = 700;
inline constexpr float kSmallPart = 500;
inline constexpr float kSettingPart = 800;
inline constexpr float kResetButton = 900;

// The rows 40 to 42 and 46 to 48 of the "SCC Config" tab stand in an inner frame in column 1 that
// spans the column's first kSccInnerLines lines.
inline constexpr int kSccConfigTab = 7;
inline constexpr int kSccInnerColumn = 1;
inline constexpr int kSccInnerLines = 7;
inline constexpr float kSccInnerFirstRowTop = 300;

// What a cell shows; each piece is one element of the control array named, with the cell's index.
enum class Piece {
  Gap,         // nothing: keeps the cells after it in line with the boxes of the rows above
  NciName,     // lblNci: the property's type name, or the name of a part of a composite property
  NviName,     // lblNvi
  NvoName,     // lblNvo
  Note,        // lblNc: a caption of the window's own
  NciBox,      // txtNci
  NciSpin,     // UpD_nci
  NciChoice,   // cmb_nci
  NviBox,      // txtNvi
  NviChoice,   // cmb_nvi
  NviSetting,  // txtnviset
  NviSpin,     // UpD_nvi
  NviReset,    // cmd_Nvi_Reset
  NvoBox,      // txtNvo
};

struct Cell {
  Piece piece;
  int index;
  float width;
  std::string_view caption;  // the design caption of a name or note; empty for the other pieces
};

// Where a row stands: in the frame of its tab (fraBlock), or in the inner frame fraSccInner.
enum class Holder { Block, SccInner };

struct Row {
  int tab;
  Holder holder;
  int column;  // 0 to 2; not used in the inner frame
  int line;    // from the top of the holder
  std::vector<Cell> cells;
};

struct BlockTab {
  std::string_view caption;  // the tab's caption, the same in both languages
  std::string_view block;    // the functional block: the caption of the tab's frame
};

// The eight tabs of tabData, from tab 0.
const std::vector<BlockTab>& BlockTabs();
// The inner frame's caption.
inline constexpr std::string_view kSccInnerCaption = "Min / Max [%]";

// Every row of every tab, tab by tab.
const std::vector<Row>& ValueRows();

struct SpinBounds {
  int min;
  int max;
};
// The bounds of UpD_nci(index); nothing for an index without a spin button.
std::optional<SpinBounds> NciSpinBounds(int index);
// The bounds of both UpD_nvi elements.
inline constexpr SpinBounds kNviSpinBounds = {0, 100};

// The design list of cmb_nci(index) or cmb_nvi(index) (`piece` NciChoice or NviChoice); empty for the
// boxes whose list the window's texts or the device model fill.
std::vector<std::string_view> ChoiceList(Piece piece, int index);
// The style of cmb_nci(index) or cmb_nvi(index): a drop-down list where only the listed choices mean
// something (every cmb_nci, the settings and switches of cmb_nvi), a drop-down combo where the device may
// send a name the list lacks, which must show without an error.
int ChoiceStyle(Piece piece, int index);

}  // namespace qvr::main_design
