#pragma once

#include <string_view>

namespace qvr {

// Which rows the data-point tables get for a device: the larger models (family QVR-L2, with the
// space-comfort block) have the large layout, the smaller ones (QVR-L1) the small layout, whose rows are the
// first rows of the large one.
enum class DataPointLayout { None, Large, Small };

// The layout of a program ID, compared exactly and case-sensitively: "9FFF6E0A5A060409" and
// "9FFF6E0A5A06040B" are large, "9FFF6E0A5A060408" and "9FFF6E0A5A06040A" small, anything else None.
DataPointLayout LayoutOfProgramId(std::string_view programId);

}  // namespace qvr
