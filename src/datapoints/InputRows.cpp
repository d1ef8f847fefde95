#include <array>

#include "datapoints/NvRows.h"
#include "texts/TableRows.h"

namespace qvr {

namespace {

constexpr std::int16_t kNone = kNotInSmallLayout;

// The network-variable inputs: row number, name, block, NV index (large, small), tag. Row 11's tag is 170,
// not 141; the space-comfort rows 15 to 24 exist only on QVR-L2, whose NV index 24 is row 16's.
constexpr std::array<NvRow, kNviRows> kRows{{
    /*  0 */ {"nviOcManOverride", "OccupController", 9, 9, 130},
    /*  1 */ {"nviOcSecondary", "OccupController", 10, 10, 131},
    /*  2 */ {"nviOcOccupancy", "OccupController", 8, 8, 132},
    /*  3 */ {"nviOcSetting", "OccupController", 11, 11, 133},
    /*  4 */ {"nviOsExtOccup", "OccupSensor", 4, 4, 134},
    /*  5 */ {"nviOsSensitivity", "OccupSensor", 5, 5, 135},
    /*  6 */ {"nviLcLuxLevel_1", "LightController[0]", 14, 14, 136},
    /*  7 */ {"nviLcManOverride_1", "LightController[0]", 18, 18, 137},
    /*  8 */ {"nviLcSetting_1", "LightController[0]", 16, 16, 138},
    /*  9 */ {"nviLuxSetpoint_1", "LightController[0]", 20, 20, 139},
    /* 10 */ {"nviLcLuxLevel_2", "LightController[1]", 15, 15, 140},
    /* 11 */ {"nviLcManOverride_2", "LightController[1]", 19, 19, 170},
    /* 12 */ {"nviLcSetting_2", "LightController[1]", 17, 17, 142},
    /* 13 */ {"nviLuxSetpoint_2", "LightController[1]", 21, 21, 143},
    /* 14 */ {"nviSwSwitchFb", "Switch", 45, 24, 160},
    /* 15 */ {"nviSetptOffset", "SCC", 29, kNone, 150},
    /* 16 */ {"nviSpaceTemp", "SCC", 24, kNone, 151},
    /* 17 */ {"nviSetpoint", "SCC", 28, kNone, 152},
    /* 18 */ {"nviHeatPriSlave", "SCC", 27, kNone, 153},
    /* 19 */ {"nviCoolPriSlave", "SCC", 26, kNone, 154},
    /* 20 */ {"nviApplicMode", "SCC", 25, kNone, 155},
    /* 21 */ {"nviOccManCmd", "SCC", 30, kNone, 156},
    /* 22 */ {"nviOccSensor", "SCC", 31, kNone, 157},
    /* 23 */ {"nviEnergyHoldOff", "SCC", 32, kNone, 158},
    /* 24 */ {"nviDewPtSensor", "SCC", 33, kNone, 159},
}};

constexpr std::array<int, kNviRows> kLargeOrder{15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 0, 1, 2,
                                                3,  6,  7,  8,  9,  14, 10, 11, 12, 13, 4, 5};
constexpr std::array<int, 15> kSmallOrder{0, 1, 2, 3, 6, 7, 8, 9, 14, 10, 11, 12, 13, 4, 5};

constexpr NvRowSet kInputRows{kRows, kLargeOrder, kSmallOrder};

}  // namespace

const NvRowSet& InputRows() {
  return kInputRows;
}

}  // namespace qvr
