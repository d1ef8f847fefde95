#include "datapoints/NvRows.h"

namespace qvr {

std::span<const int> FillingOrder(const NvRowSet& rowSet, DataPointLayout layout) {
  switch (layout) {
    case DataPointLayout::Large:
      return rowSet.largeOrder;
    case DataPointLayout::Small:
      return rowSet.smallOrder;
    case DataPointLayout::None:
      break;
  }
  return {};
}

std::int16_t NvIndexIn(const NvRow& row, DataPointLayout layout) {
  return layout == DataPointLayout::Small ? row.smallIndex : row.largeIndex;
}

}  // namespace qvr
