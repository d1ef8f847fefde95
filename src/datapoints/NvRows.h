#pragma once

#include <cstdint>
#include <span>

#include "datapoints/DataPointLayout.h"

namespace qvr {

// One row of a network-variable table as the models define it. The row number is the row's place in its
// row set; the NV index may differ between the layouts.
struct NvRow {
  const char* name;
  const char* block;  // functional-block name, spelled as stored
  std::int16_t largeIndex;
  std::int16_t smallIndex;  // kNotInSmallLayout for a row that only the large layout has
  std::int32_t tag;         // monitoring tag, unique across inputs and outputs
};

inline constexpr std::int16_t kNotInSmallLayout = -1;

// The rows of one table, by row number, and the order in which each layout fills them, which is also the
// order in which the device's values are read.
struct NvRowSet {
  std::span<const NvRow> rows;
  std::span<const int> largeOrder;
  std::span<const int> smallOrder;
};

const NvRowSet& InputRows();   // NviTable
const NvRowSet& OutputRows();  // NvoTable

// The row numbers a layout fills, in filling order; none for DataPointLayout::None.
std::span<const int> FillingOrder(const NvRowSet& rowSet, DataPointLayout layout);

// The row's NV index on a device of that layout.
std::int16_t NvIndexIn(const NvRow& row, DataPointLayout layout);

}  // namespace qvr
