#include "datapoints/DataPointLayout.h"

namespace qvr {

DataPointLayout LayoutOfProgramId(std::string_view programId) {
  if (programId == "9FFF6E0A5A060409" || programId == "9FFF6E0A5A06040B") return DataPointLayout::Large;
  if (programId == "9FFF6E0A5A060408" || programId == "9FFF6E0A5A06040A") return DataPointLayout::Small;
  return DataPointLayout::None;
}

}  // namespace qvr
