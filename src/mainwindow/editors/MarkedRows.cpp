#include "mainwindow/editors/MarkedRows.h"

#include <array>
#include <cstddef>
#include <cstdint>

#include "datapoints/DataPoint.h"
#include "mainwindow/editors/ChangeMark.h"
#include "platform/ui/TextBox.h"

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

bool AnyPropertyMarked(const DataPointTables& tables) {
  return AnyRowMarked(tables.NciTable, tables.NciCount, [](const DataPoint& row) { return row.NciTextBox; });
}

bool AnyInputMarked(const DataPointTables& tables) {
  return AnyRowMarked(tables.NviTable, tables.NviCount, [](const DataPoint& row) { return row.NviTextBox; });
}

}  // namespace qvr
