// Apply and Cancel are offered exactly while a row box holds an edit: the boxes' colours are the only
// record of one.

#include <cstddef>

#include "mainwindow/editors/ChangeMark.h"
#include "mainwindow/fMain.h"
#include "program/Program.h"

namespace qvr {

namespace {

// Whether any of the first `count` rows has its box marked changed; `box` picks the row's box.
template <std::size_t N, class BoxOf>
bool AnyRowMarked(const std::array<DataPoint, N>& table, std::int16_t count, BoxOf box) {
  for (std::int16_t row = 0; row < count; ++row) {
    const ui::TextBox* rowBox = box(table[static_cast<std::size_t>(row)]);
    if (rowBox != nullptr && IsMarkedChanged(*rowBox)) return true;
  }
  return false;
}

}  // namespace

void fMain::UpdateApplyCancel() {
  const DataPointTables& tables = program_.datapoints;
  // Sub-field and companion controls are not asked: an edit there marks its row box as well.
  const bool changed =
      AnyRowMarked(tables.NciTable, tables.NciCount, [](const DataPoint& row) { return row.NciTextBox; }) ||
      AnyRowMarked(tables.NviTable, tables.NviCount, [](const DataPoint& row) { return row.NviTextBox; });
  cmdApply.SetEnabled(changed);
  cmdCancel.SetEnabled(changed);
}

}  // namespace qvr
