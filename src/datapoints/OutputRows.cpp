#include <array>

#include "datapoints/NvRows.h"
#include "texts/TableRows.h"

namespace qvr {

namespace {

constexpr std::int16_t kNone = kNotInSmallLayout;

// The network-variable outputs: row number, name, block, NV index (large, small), tag (200 + row). The
// space-comfort rows 9 to 19 exist only on QVR-L2; QVR-L1's switch sits at 25 and 26.
constexpr std::array<NvRow, kNvoRows> kRows{{
    /*  0 */ {"nvoOcLampValue", "OccupController", 12, 12, 200},
    /*  1 */ {"nvoOcSetting", "OccupController", 13, 13, 201},
    /*  2 */ {"nvoOsSWOccup", "OccupSensor", 7, 7, 202},
    /*  3 */ {"nvoOsOccup", "OccupSensor", 6, 6, 203},
    /*  4 */ {"nvoLsLuxLevel", "LigthSensor", 3, 3, 204},
    /*  5 */ {"nvoLcLampValue_1", "LightController[0]", 22, 22, 205},
    /*  6 */ {"nvoLcLampValue_2", "LightController[1]", 23, 23, 206},
    /*  7 */ {"nvoSwSwitch", "Switch", 46, 25, 207},
    /*  8 */ {"nvoSwSetting", "Switch", 47, 26, 208},
    /*  9 */ {"nvoSpaceTemp", "SCC", 34, kNone, 209},
    /* 10 */ {"nvoUnitStatus", "SCC", 35, kNone, 210},
    /* 11 */ {"nvoHeatPrimary", "SCC", 36, kNone, 211},
    /* 12 */ {"nvoHeatPWM", "SCC", 43, kNone, 212},
    /* 13 */ {"nvoCoolPrimary", "SCC", 37, kNone, 213},
    /* 14 */ {"nvoCoolPWM", "SCC", 44, kNone, 214},
    /* 15 */ {"nvoSetptEffect", "SCC", 38, kNone, 215},
    /* 16 */ {"nvoSetptOffset", "SCC", 41, kNone, 216},
    /* 17 */ {"nvoOccupEffect", "SCC", 39, kNone, 217},
    /* 18 */ {"nvoEnergyHoldOff", "SCC", 40, kNone, 218},
    /* 19 */ {"nvoDewPtSensor", "SCC", 42, kNone, 219},
}};

// QVR-L2 reads the space-comfort block first.
constexpr std::array<int, kNvoRows> kLargeOrder{9,  10, 11, 12, 13, 14, 15, 16, 17, 18,
                                                19, 0,  1,  2,  3,  4,  5,  6,  7,  8};
constexpr std::array<int, 9> kSmallOrder{0, 1, 2, 3, 4, 5, 6, 7, 8};

constexpr NvRowSet kOutputRows{kRows, kLargeOrder, kSmallOrder};

}  // namespace

const NvRowSet& OutputRows() {
  return kOutputRows;
}

}  // namespace qvr
