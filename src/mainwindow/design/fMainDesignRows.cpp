// The rows of the main window's value tabs: for each tab the boxes of its functional block with their
// names, companions and spin buttons. Column 0 (and 1 where a block has many properties) holds the
// configuration properties, then the inputs, then the outputs.

#include <cstddef>
#include <optional>
#include <utility>

#include "datapoints/NvRows.h"
#include "datapoints/PropertyRows.h"
#include "mainwindow/design/fMainDesignLayout.h"

namespace qvr::main_design {

namespace {

// A data point's box is captioned with its name as its row table holds it.
std::string_view PropertyName(int index) {
  return PropertyRowsIn(DeviceFamily::QvrL2)[static_cast<std::size_t>(index)].name;
}
std::string_view InputName(int index) {
  return InputRows().rows[static_cast<std::size_t>(index)].name;
}
std::string_view OutputName(int index) {
  return OutputRows().rows[static_cast<std::size_t>(index)].name;
}

Cell Name(Piece piece, int index, std::string_view caption, float width = kName) {
  return {piece, index, width, caption};
}
Cell Box(Piece piece, int index, float width) {
  return {piece, index, width, {}};
}
Cell Gap(float width = kName) {
  return {Piece::Gap, -1, width, {}};
}
// The name of a part of a composite property, indented below the property's name.
Cell PartName(int index, std::string_view caption) {
  return Name(Piece::NciName, index, caption, kName - kPartIndent - kCellGap);
}

// A property row: its type name, its box and, where the box has bounds, its spin button.
Row Property(int tab, int column, int line, int index, float width = kValue) {
  Row row{tab,
          Holder::Block,
          column,
          line,
          {Name(Piece::NciName, index, PropertyName(index)), Box(Piece::NciBox, index, width)}};
  if (NciSpinBounds(index)) row.cells.push_back(Box(Piece::NciSpin, index, kSpin));
  return row;
}

// The same with a companion combo box in the same row.
Row PropertyWithChoice(int tab, int column, int line, int index) {
  Row row = Property(tab, column, line, index);
  row.cells.push_back(Box(Piece::NciChoice, index, kChoice));
  return row;
}

// A row of two parts of a composite property, each with its name and spin button.
Row Parts(int tab, int column, int line, int first, std::string_view firstName, float firstWidth, int second,
          std::string_view secondName, float secondWidth) {
  return {tab,
          Holder::Block,
          column,
          line,
          {Gap(kPartIndent), PartName(first, firstName), Box(Piece::NciBox, first, firstWidth),
           Box(Piece::NciSpin, first, kSpin), Name(Piece::NciName, second, secondName, kPartName),
           Box(Piece::NciBox, second, secondWidth), Box(Piece::NciSpin, second, kSpin)}};
}

// One part of the set points of row 49 in a row of its own.
Row SetPoint(int line, int index, std::string_view name) {
  return {kSccConfigTab,
          Holder::Block,
          2,
          line,
          {Gap(kPartIndent), PartName(index, name), Box(Piece::NciBox, index, kSettingPart),
           Box(Piece::NciSpin, index, kSpin)}};
}

// A companion row below its box: the cells stand under the box, after an optional caption.
Row Companions(int tab, int column, int line, std::vector<Cell> cells, std::optional<Cell> caption = {}) {
  cells.insert(cells.begin(), caption.value_or(Gap()));
  return {tab, Holder::Block, column, line, std::move(cells)};
}

Row Input(int tab, int column, int line, int index, std::vector<Cell> companions = {}, float width = kValue) {
  Row row{tab,
          Holder::Block,
          column,
          line,
          {Name(Piece::NviName, index, InputName(index)), Box(Piece::NviBox, index, width)}};
  row.cells.insert(row.cells.end(), companions.begin(), companions.end());
  return row;
}
Cell InputChoice(int index) {
  return Box(Piece::NviChoice, index, kChoice);
}
Cell Reset(int index) {
  return Box(Piece::NviReset, index, kResetButton);
}

Row Output(int tab, int column, int line, int index, float width = kValue) {
  return {tab,
          Holder::Block,
          column,
          line,
          {Name(Piece::NvoName, index, OutputName(index)), Box(Piece::NvoBox, index, width)}};
}

Row Inner(int line, int index) {
  Row row = Property(kSccConfigTab, kSccInnerColumn, line, index);
  row.holder = Holder::SccInner;
  return row;
}

// The two light-controller tabs differ only in their indexes.
struct LightController {
  int tab;
  int firstProperty;  // SCPTluxSetpoint; the ten properties after it follow in table order
  int bitChoice;      // cmb_nci serving bit 1 of UCPTgeneralCP1
  int optionsNote;    // lblNc beside the controller options
  int multiplier;     // sub-field boxes of UCPTlightRatio
  int divisor;
  int firstInput;  // nviLcLuxLevel_n; three more inputs follow
  int output;
};

void Append(std::vector<Row>& rows, const LightController& at) {
  const int t = at.tab;
  const int p = at.firstProperty;
  const int i = at.firstInput;
  rows.insert(rows.end(),
              {Property(t, 0, 0, p),
               Property(t, 0, 1, p + 1),
               Property(t, 0, 2, p + 2),
               Property(t, 0, 3, p + 3),
               Property(t, 0, 4, p + 4),
               Property(t, 0, 5, p + 5),
               Property(t, 0, 6, p + 6, kSettingValue),
               Companions(t, 0, 7, {Box(Piece::NciChoice, p + 6, kChoice)}),
               Property(t, 1, 0, p + 7),
               Property(t, 1, 1, p + 8, kWideValue),
               Companions(t, 1, 2, {Box(Piece::NciChoice, p + 8, kWideChoice)},
                          Name(Piece::Note, at.optionsNote, "Regleroptionen:")),
               Companions(t, 1, 3, {Box(Piece::NciChoice, at.bitChoice, kWideChoice)}),
               Property(t, 1, 4, p + 9),
               Property(t, 1, 5, p + 10),
               Parts(t, 1, 6, at.multiplier, "multiplier", kPart, at.divisor, "divisor", kPart),
               Input(t, 2, 0, i),
               Input(t, 2, 1, i + 1),
               Input(t, 2, 2, i + 2, {}, kSettingValue),
               Companions(t, 2, 3,
                          {Box(Piece::NviChoice, i + 2, kChoice), Box(Piece::NviSetting, i + 2, kSettingPart),
                           Box(Piece::NviSpin, i + 2, kSpin)}),
               Input(t, 2, 4, i + 3),
               Output(t, 2, 6, at.output)});
}

std::vector<Row> BuildRows() {
  std::vector<Row> rows = {
      // Tab 0 "Occup Sensor": OccupSensor.
      Property(0, 0, 0, 4),
      Property(0, 0, 1, 5),
      Property(0, 0, 2, 6, kWideValue),
      Companions(0, 0, 3, {Box(Piece::NciChoice, 6, kChoice)},
                 Name(Piece::Note, 60, "Bewegunsmelder LED:", kLongName)),
      Input(0, 1, 0, 4, {InputChoice(4)}),
      Input(0, 1, 1, 5, {InputChoice(5)}),
      Output(0, 2, 0, 2),
      Output(0, 2, 1, 3),

      // Tab 1 "Occup Ctrl": OccupController.
      Property(1, 0, 0, 0),
      Parts(1, 0, 1, 80, "value", kPart, 81, "state", kSmallPart),
      Property(1, 0, 2, 1),
      Parts(1, 0, 3, 82, "value", kPart, 83, "state", kSmallPart),
      Property(1, 0, 4, 2),
      Property(1, 0, 5, 3),
      Input(1, 1, 0, 0),
      Input(1, 1, 1, 1, {InputChoice(1)}),
      Input(1, 1, 2, 2, {InputChoice(2)}),
      Input(1, 1, 3, 3, {}, kSettingValue),
      Companions(1, 1, 4, {Box(Piece::NviChoice, 3, kChoice), Box(Piece::NviSetting, 3, kSettingPart)}),
      Output(1, 2, 0, 0),
      Output(1, 2, 1, 1, kSettingValue),

      // Tab 2 "Light Sensor": LigthSensor.
      Property(2, 0, 0, 7),
      Property(2, 0, 1, 8),
      Property(2, 0, 2, 9),
      Property(2, 0, 3, 10),
      Output(2, 2, 0, 4),
  };
  // Tabs 3 "Ligth Ctrl1" and 4 "Light Ctrl2": LightController[0] and [1].
  Append(rows, {3, 11, 0, 32, 91, 90, 6, 5});
  Append(rows, {4, 22, 1, 51, 93, 92, 10, 6});
  rows.insert(rows.end(), {
                              // Tab 5 "Digital Input": Switch.
                              Property(5, 0, 0, 33),
                              Property(5, 0, 1, 34),
                              Property(5, 0, 2, 35),
                              PropertyWithChoice(5, 0, 3, 36),
                              Companions(5, 0, 4, {Box(Piece::NciChoice, 37, kWideChoice)}),
                              Input(5, 1, 0, 14),
                              Output(5, 2, 0, 7),
                              Output(5, 2, 1, 8, kSettingValue),

                              // Tab 6 "SCC Monitor": the SCC block's inputs and outputs.
                              Input(6, 0, 0, 15),
                              Input(6, 0, 1, 16, {Reset(16)}),
                              Input(6, 0, 2, 17, {Reset(17)}),
                              Input(6, 0, 3, 18, {Reset(18)}),
                              Input(6, 0, 4, 19, {Reset(19)}),
                              Input(6, 0, 5, 20, {InputChoice(20)}),
                              Input(6, 0, 6, 21, {InputChoice(21)}),
                              Input(6, 0, 7, 22, {InputChoice(22)}),
                              Input(6, 0, 8, 23, {InputChoice(23)}),
                              Input(6, 0, 9, 24, {InputChoice(24)}),
                              Output(6, 1, 0, 9),
                              Output(6, 1, 1, 10, kWideValue),
                              Output(6, 1, 2, 11),
                              Output(6, 1, 3, 12),
                              Output(6, 1, 4, 13),
                              Output(6, 1, 5, 14),
                              Output(6, 1, 6, 15),
                              Output(6, 1, 7, 16),
                              Output(6, 1, 8, 17),
                              Output(6, 1, 9, 18),
                              Output(6, 1, 10, 19),

                              // Tab 7 "SCC Config": the SCC block's properties.
                              Property(7, 0, 0, 37),
                              Property(7, 0, 1, 38),
                              Property(7, 0, 2, 39),
                              Property(7, 0, 3, 43),
                              Property(7, 0, 4, 44),
                              Property(7, 0, 5, 45),
                              Property(7, 0, 6, 51),
                              Property(7, 0, 7, 52),
                              Property(7, 0, 8, 53),
                              Property(7, 0, 9, 55),
                              Inner(0, 40),
                              Inner(1, 41),
                              Inner(2, 42),
                              Inner(3, 46),
                              Inner(4, 47),
                              Inner(5, 48),
                              PropertyWithChoice(7, 1, kSccInnerLines, 50),
                              PropertyWithChoice(7, 1, kSccInnerLines + 1, 54),
                              Property(7, 2, 0, 49, kWideValue),
                              SetPoint(1, 70, "occupied cool"),
                              SetPoint(2, 71, "standby cool"),
                              SetPoint(3, 72, "unoccupied cool"),
                              SetPoint(4, 73, "occupied heat"),
                              SetPoint(5, 74, "standby heat"),
                              SetPoint(6, 75, "unoccupied heat"),
                          });
  return rows;
}

}  // namespace

// The captions' and notes' misspellings ("Ligth Ctrl1", "Bewegunsmelder LED:") are the system's own and
// kept on purpose: do not correct them.
const std::vector<BlockTab>& BlockTabs() {
  static const std::vector<BlockTab> tabs = {
      {"Occup Sensor", "OccupSensor"},
      {"Occup Ctrl", "OccupController"},
      {"Light Sensor", "LigthSensor"},
      {"Ligth Ctrl1", "LightController[0]"},
      {"Light Ctrl2", "LightController[1]"},
      {"Digital Input", "Switch"},
      {"SCC Monitor", "SCC"},
      {"SCC Config", "SCC"},
  };
  return tabs;
}

const std::vector<Row>& ValueRows() {
  static const std::vector<Row> rows = BuildRows();
  return rows;
}

}  // namespace qvr::main_design
