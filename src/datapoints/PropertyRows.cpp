#include "datapoints/PropertyRows.h"
#include "texts/TableRows.h"

#include <array>
#include <cstddef>

namespace qvr {

namespace {

constexpr bool kGeneral = true;
constexpr bool kDeviceSpecific = false;

// On QVR-L1 the switch is block 6, because those models lack the space-comfort block "SCC".
constexpr std::array<PropertyRow, kNciRows> kRows{{
    /*  0 */ {"SCPTprimeVal", "OccupController", "F:3/C:0:155", nullptr, kGeneral},
    /*  1 */ {"SCPTsecondVal", "OccupController", "F:3/C:0:156", nullptr, kGeneral},
    /*  2 */ {"SCPTholdTime", "OccupController", "F:3/C:0:91", nullptr, kGeneral},
    /*  3 */ {"SCPTmaxSendTime", "OccupController", "F:3/C:0:49", nullptr, kGeneral},
    /*  4 */ {"SCPTdebounce", "OccupSensor", "F:2/C:0:139", nullptr, kGeneral},
    /*  5 */ {"SCPTmaxSendTime", "OccupSensor", "F:2/C:0:49", nullptr, kGeneral},
    /*  6 */ {"UCPTgeneralCP1", "OccupSensor", "F:2/C:3:7", nullptr, kGeneral},
    /*  7 */ {"SCPTfieldCalib", "LigthSensor", "F:1/C:0:90", nullptr, kDeviceSpecific},
    /*  8 */ {"SCPTmaxSendTime", "LigthSensor", "N:3/C:0:49", nullptr, kGeneral},
    /*  9 */ {"SCPTminSendTime", "LigthSensor", "N:3/C:0:52", nullptr, kGeneral},
    /* 10 */ {"SCPTminDeltaLevel", "LigthSensor", "N:3/C:0:88", nullptr, kGeneral},
    /* 11 */ {"SCPTluxSetpoint", "LightController[0]", "F:4/C:0:82", nullptr, kDeviceSpecific},
    /* 12 */ {"SCPTclOffDelay", "LightController[0]", "F:4/C:0:85", nullptr, kGeneral},
    /* 13 */ {"SCPTclOnDelay", "LightController[0]", "F:4/C:0:86", nullptr, kGeneral},
    /* 14 */ {"SCPTmaxSendTime", "LightController[0]", "F:4/C:0:49", nullptr, kGeneral},
    /* 15 */ {"SCPTminDeltaLevel", "LightController[0]", "F:4/C:0:88", nullptr, kGeneral},
    /* 16 */ {"SCPTonOffHysteresis", "LightController[0]", "F:4/C:0:84", nullptr, kGeneral},
    /* 17 */ {"SCPTpowerupState", "LightController[0]", "F:4/C:0:87", nullptr, kGeneral},
    /* 18 */ {"SCPTstep", "LightController[0]", "F:4/C:0:83", nullptr, kGeneral},
    /* 19 */ {"UCPTgeneralCP1", "LightController[0]", "F:4/C:3:7", nullptr, kGeneral},
    /* 20 */ {"SCPTmaxOut", "LightController[0]", "F:4/C:0:93", nullptr, kGeneral},
    /* 21 */ {"UCPTlightRatio", "LightController[0]", "F:4/C:3:11", nullptr, kDeviceSpecific},
    /* 22 */ {"SCPTluxSetpoint", "LightController[1]", "F:5/C:0:82", nullptr, kDeviceSpecific},
    /* 23 */ {"SCPTclOffDelay", "LightController[1]", "F:5/C:0:85", nullptr, kGeneral},
    /* 24 */ {"SCPTclOnDelay", "LightController[1]", "F:5/C:0:86", nullptr, kGeneral},
    /* 25 */ {"SCPTmaxSendTime", "LightController[1]", "F:5/C:0:49", nullptr, kGeneral},
    /* 26 */ {"SCPTminDeltaLevel", "LightController[1]", "F:5/C:0:88", nullptr, kGeneral},
    /* 27 */ {"SCPTonOffHysteresis", "LightController[1]", "F:5/C:0:84", nullptr, kGeneral},
    /* 28 */ {"SCPTpowerupState", "LightController[1]", "F:5/C:0:87", nullptr, kGeneral},
    /* 29 */ {"SCPTstep", "LightController[1]", "F:5/C:0:83", nullptr, kGeneral},
    /* 30 */ {"UCPTgeneralCP1", "LightController[1]", "F:5/C:3:7", nullptr, kGeneral},
    /* 31 */ {"SCPTmaxOut", "LightController[1]", "F:5/C:0:93", nullptr, kGeneral},
    /* 32 */ {"UCPTlightRatio", "LightController[1]", "F:5/C:3:11", nullptr, kDeviceSpecific},
    /* 33 */ {"SCPTmaxOut", "Switch", "F:7/C:0:93", "F:6/C:0:93", kGeneral},
    /* 34 */ {"SCPTmaxSendTime", "Switch", "F:7/C:0:49", "F:6/C:0:49", kGeneral},
    /* 35 */ {"SCPTstepValue", "Switch", "F:7/C:0:92", "F:6/C:0:92", kGeneral},
    /* 36 */ {"UCPTdiConfig", "Switch", "F:7/C:3:44", "F:6/C:3:44", kGeneral},
    /* 37 */ {"UCPTheatXp", "SCC", "F:6/C:3:19", nullptr, kGeneral},
    /* 38 */ {"UCPTheatTn", "SCC", "F:6/C:3:20", nullptr, kGeneral},
    /* 39 */ {"UCPTheatTv", "SCC", "F:6/C:3:21", nullptr, kGeneral},
    /* 40 */ {"UCPTheatMinDay", "SCC", "F:6/C:3:27", nullptr, kGeneral},
    /* 41 */ {"UCPTheatMinNight", "SCC", "F:6/C:3:26", nullptr, kGeneral},
    /* 42 */ {"UCPTheatMax", "SCC", "F:6/C:3:28", nullptr, kGeneral},
    /* 43 */ {"UCPTcoolXp", "SCC", "F:6/C:3:22", nullptr, kGeneral},
    /* 44 */ {"UCPTcoolTn", "SCC", "F:6/C:3:23", nullptr, kGeneral},
    /* 45 */ {"UCPTcoolTv", "SCC", "F:6/C:3:24", nullptr, kGeneral},
    /* 46 */ {"UCPTcoolMinDay", "SCC", "F:6/C:3:30", nullptr, kGeneral},
    /* 47 */ {"UCPTcoolMinNight", "SCC", "F:6/C:3:29", nullptr, kGeneral},
    /* 48 */ {"UCPTcoolMax", "SCC", "F:6/C:3:31", nullptr, kGeneral},
    /* 49 */ {"SCPTsetPnts", "SCC", "F:6/C:0:60", nullptr, kGeneral},
    /* 50 */ {"SCPTnumValves", "SCC", "F:6/C:0:59", nullptr, kGeneral},
    /* 51 */ {"SCPTtempOffset", "SCC", "N:34/C:0:227", nullptr, kDeviceSpecific},
    /* 52 */ {"SCPTmaxSendTime", "SCC", "F:6/C:0:49", nullptr, kGeneral},
    /* 53 */ {"UCPTpwmCycleTime", "SCC", "F:6/C:3:35", nullptr, kGeneral},
    /* 54 */ {"SCPThvacMode", "SCC", "N:25/C:0:74", nullptr, kGeneral},
    /* 55 */ {"UCPTspAntiFreez", "SCC", "F:6/C:3:18", nullptr, kGeneral},
}};

// QVR-L1 has the rows up to the switch block.
constexpr std::size_t kQvrL1Rows = 37;

}  // namespace

std::span<const PropertyRow> PropertyRowsIn(DeviceFamily family) {
  switch (family) {
    case DeviceFamily::QvrL2:
      return kRows;
    case DeviceFamily::QvrL1:
      return std::span<const PropertyRow>(kRows).first(kQvrL1Rows);
    case DeviceFamily::None:
      break;
  }
  return {};
}

const char* PropertyKeyIn(const PropertyRow& row, DeviceFamily family) {
  return family == DeviceFamily::QvrL1 && row.smallKey != nullptr ? row.smallKey : row.key;
}

}  // namespace qvr
