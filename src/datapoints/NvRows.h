#pragma once

#include <cstdint>
#include <span>

#include "datapoints/ModelTable.h"

namespace qvr {

// One row of a network-variable table as the models define it. The row number is the row's place in its
// row set; the NV index may differ between the families (large: QVR-L2, small: QVR-L1, whose rows are the
// first rows of QVR-L2's).
struct NvRow {
  const char* name;
  const char* block;  // functional-block name, spelled as stored
  std::int16_t largeIndex;
  std::int16_t smallIndex;  // kNotInSmallLayout for a row that only QVR-L2 has
  std::int32_t tag;         // monitoring tag, unique across inputs and outputs
};

inline constexpr std::int16_t kNotInSmallLayout = -1;

// The rows of one table, by row number, and the order in which each family fills them, which is also the
// order in which the device's values are read.
struct NvRowSet {
  std::span<const NvRow> rows;
  std::span<const int> largeOrder;
  std::span<const int> smallOrder;
};

const NvRowSet& InputRows();   // NviTable
const NvRowSet& OutputRows();  // NvoTable

// The row numbers a family fills, in filling order; none for DeviceFamily::None.
std::span<const int> FillingOrder(const NvRowSet& rowSet, DeviceFamily family);

// The row's NV index on a device of that family.
std::int16_t NvIndexIn(const NvRow& row, DeviceFamily family);

}  // namespace qvr
