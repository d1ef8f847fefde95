#include "datapoints/NvRows.h"

namespace qvr {

std::span<const int> FillingOrder(const NvRowSet& rowSet, DeviceFamily family) {
  switch (family) {
    case DeviceFamily::QvrL2:
      return rowSet.largeOrder;
    case DeviceFamily::QvrL1:
      return rowSet.smallOrder;
    case DeviceFamily::None:
      break;
  }
  return {};
}

std::int16_t NvIndexIn(const NvRow& row, DeviceFamily family) {
  return family == DeviceFamily::QvrL1 ? row.smallIndex : row.largeIndex;
}

}  // namespace qvr
