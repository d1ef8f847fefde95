// Every data point of both table layouts is reachable through the object model on a device of each model:
// network variables by index, configuration properties by their address walked as the main window walks it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LnsDemo.h"

namespace {

struct NvRow {
  const char* name;
  int largeIndex;
  int smallIndex;  // -1: not in the small layout
  const char* type;
};

const NvRow kNvRows[] = {
    {"nviOcManOverride", 9, 9, "SNVT_switch"},
    {"nviOcSecondary", 10, 10, "SNVT_occupancy"},
    {"nviOcOccupancy", 8, 8, "SNVT_occupancy"},
    {"nviOcSetting", 11, 11, "SNVT_setting"},
    {"nviOsExtOccup", 4, 4, "SNVT_switch"},
    {"nviOsSensitivity", 5, 5, "SNVT_switch"},
    {"nviLcLuxLevel_1", 14, 14, "SNVT_lux"},
    {"nviLcManOverride_1", 18, 18, "SNVT_switch"},
    {"nviLcSetting_1", 16, 16, "SNVT_setting"},
    {"nviLuxSetpoint_1", 20, 20, "SNVT_lux"},
    {"nviLcLuxLevel_2", 15, 15, "SNVT_lux"},
    {"nviLcManOverride_2", 19, 19, "SNVT_switch"},
    {"nviLcSetting_2", 17, 17, "SNVT_setting"},
    {"nviLuxSetpoint_2", 21, 21, "SNVT_lux"},
    {"nviSwSwitchFb", 45, 24, "SNVT_switch"},
    {"nviSetptOffset", 29, -1, "SNVT_temp_p"},
    {"nviSpaceTemp", 24, -1, "SNVT_temp_p"},
    {"nviSetpoint", 28, -1, "SNVT_temp_p"},
    {"nviHeatPriSlave", 27, -1, "SNVT_lev_percent"},
    {"nviCoolPriSlave", 26, -1, "SNVT_lev_percent"},
    {"nviApplicMode", 25, -1, "SNVT_hvac_mode"},
    {"nviOccManCmd", 30, -1, "SNVT_occupancy"},
    {"nviOccSensor", 31, -1, "SNVT_occupancy"},
    {"nviEnergyHoldOff", 32, -1, "SNVT_switch"},
    {"nviDewPtSensor", 33, -1, "SNVT_switch"},
    {"nvoOcLampValue", 12, 12, nullptr},
    {"nvoOcSetting", 13, 13, nullptr},
    {"nvoOsSWOccup", 7, 7, nullptr},
    {"nvoOsOccup", 6, 6, nullptr},
    {"nvoLsLuxLevel", 3, 3, nullptr},
    {"nvoLcLampValue_1", 22, 22, nullptr},
    {"nvoLcLampValue_2", 23, 23, nullptr},
    {"nvoSwSwitch", 46, 25, nullptr},
    {"nvoSwSetting", 47, 26, nullptr},
    {"nvoSpaceTemp", 34, -1, nullptr},
    {"nvoUnitStatus", 35, -1, nullptr},
    {"nvoHeatPrimary", 36, -1, nullptr},
    {"nvoHeatPWM", 43, -1, nullptr},
    {"nvoCoolPrimary", 37, -1, nullptr},
    {"nvoCoolPWM", 44, -1, nullptr},
    {"nvoSetptEffect", 38, -1, nullptr},
    {"nvoSetptOffset", 41, -1, nullptr},
    {"nvoOccupEffect", 39, -1, nullptr},
    {"nvoEnergyHoldOff", 40, -1, nullptr},
    {"nvoDewPtSensor", 42, -1, nullptr},
};

struct CpRow {
  const char* typeName;
  const char* largeKey;
  const char* smallKey;  // nullptr: not in the small layout
};

const CpRow kCpRows[] = {
    {"SCPTprimeVal", "F:3/C:0:155", "F:3/C:0:155"},
    {"SCPTsecondVal", "F:3/C:0:156", "F:3/C:0:156"},
    {"SCPTholdTime", "F:3/C:0:91", "F:3/C:0:91"},
    {"SCPTmaxSendTime", "F:3/C:0:49", "F:3/C:0:49"},
    {"SCPTdebounce", "F:2/C:0:139", "F:2/C:0:139"},
    {"SCPTmaxSendTime", "F:2/C:0:49", "F:2/C:0:49"},
    {"UCPTgeneralCP1", "F:2/C:3:7", "F:2/C:3:7"},
    {"SCPTfieldCalib", "F:1/C:0:90", "F:1/C:0:90"},
    {"SCPTmaxSendTime", "N:3/C:0:49", "N:3/C:0:49"},
    {"SCPTminSendTime", "N:3/C:0:52", "N:3/C:0:52"},
    {"SCPTminDeltaLevel", "N:3/C:0:88", "N:3/C:0:88"},
    {"SCPTluxSetpoint", "F:4/C:0:82", "F:4/C:0:82"},
    {"SCPTclOffDelay", "F:4/C:0:85", "F:4/C:0:85"},
    {"SCPTclOnDelay", "F:4/C:0:86", "F:4/C:0:86"},
    {"SCPTmaxSendTime", "F:4/C:0:49", "F:4/C:0:49"},
    {"SCPTminDeltaLevel", "F:4/C:0:88", "F:4/C:0:88"},
    {"SCPTonOffHysteresis", "F:4/C:0:84", "F:4/C:0:84"},
    {"SCPTpowerupState", "F:4/C:0:87", "F:4/C:0:87"},
    {"SCPTstep", "F:4/C:0:83", "F:4/C:0:83"},
    {"UCPTgeneralCP1", "F:4/C:3:7", "F:4/C:3:7"},
    {"SCPTmaxOut", "F:4/C:0:93", "F:4/C:0:93"},
    {"UCPTlightRatio", "F:4/C:3:11", "F:4/C:3:11"},
    {"SCPTluxSetpoint", "F:5/C:0:82", "F:5/C:0:82"},
    {"SCPTclOffDelay", "F:5/C:0:85", "F:5/C:0:85"},
    {"SCPTclOnDelay", "F:5/C:0:86", "F:5/C:0:86"},
    {"SCPTmaxSendTime", "F:5/C:0:49", "F:5/C:0:49"},
    {"SCPTminDeltaLevel", "F:5/C:0:88", "F:5/C:0:88"},
    {"SCPTonOffHysteresis", "F:5/C:0:84", "F:5/C:0:84"},
    {"SCPTpowerupState", "F:5/C:0:87", "F:5/C:0:87"},
    {"SCPTstep", "F:5/C:0:83", "F:5/C:0:83"},
    {"UCPTgeneralCP1", "F:5/C:3:7", "F:5/C:3:7"},
    {"SCPTmaxOut", "F:5/C:0:93", "F:5/C:0:93"},
    {"UCPTlightRatio", "F:5/C:3:11", "F:5/C:3:11"},
    {"SCPTmaxOut", "F:7/C:0:93", "F:6/C:0:93"},
    {"SCPTmaxSendTime", "F:7/C:0:49", "F:6/C:0:49"},
    {"SCPTstepValue", "F:7/C:0:92", "F:6/C:0:92"},
    {"UCPTdiConfig", "F:7/C:3:44", "F:6/C:3:44"},
    {"UCPTheatXp", "F:6/C:3:19", nullptr},
    {"UCPTheatTn", "F:6/C:3:20", nullptr},
    {"UCPTheatTv", "F:6/C:3:21", nullptr},
    {"UCPTheatMinDay", "F:6/C:3:27", nullptr},
    {"UCPTheatMinNight", "F:6/C:3:26", nullptr},
    {"UCPTheatMax", "F:6/C:3:28", nullptr},
    {"UCPTcoolXp", "F:6/C:3:22", nullptr},
    {"UCPTcoolTn", "F:6/C:3:23", nullptr},
    {"UCPTcoolTv", "F:6/C:3:24", nullptr},
    {"UCPTcoolMinDay", "F:6/C:3:30", nullptr},
    {"UCPTcoolMinNight", "F:6/C:3:29", nullptr},
    {"UCPTcoolMax", "F:6/C:3:31", nullptr},
    {"SCPTsetPnts", "F:6/C:0:60", nullptr},
    {"SCPTnumValves", "F:6/C:0:59", nullptr},
    {"SCPTtempOffset", "N:34/C:0:227", nullptr},
    {"SCPTmaxSendTime", "F:6/C:0:49", nullptr},
    {"UCPTpwmCycleTime", "F:6/C:3:35", nullptr},
    {"SCPThvacMode", "N:25/C:0:74", nullptr},
    {"UCPTspAntiFreez", "F:6/C:3:18", nullptr},
};

// The walk of the main window: the collection by the address's first part, then the first property whose
// "scope:index" equals the rest.
std::optional<lns::LnsConfigProperty> FindByAddress(const lns::LnsAppDevice& device, const std::string& key) {
  lns::LnsInterface deviceInterface = device.GetInterface();
  std::string rest = key.substr(2);
  auto collection = [&]() -> lns::LnsConfigProperties {
    if (key[0] == 'C') return deviceInterface.GetConfigProperties();
    long number = std::stol(rest.substr(0, rest.find('/')));
    rest = rest.substr(rest.find('/') + 3);
    if (key[0] == 'F') return deviceInterface.GetLonMarkObjects().Item(number + 1).GetConfigProperties();
    return deviceInterface.GetNetworkVariables().ItemByIndex(static_cast<int>(number)).GetConfigProperties();
  }();
  for (long i = 1; i <= collection.Count(); ++i) {
    lns::LnsConfigProperty property = collection.Item(i);
    if (std::to_string(property.GetResourceScope()) + ":" + std::to_string(property.GetTypeIndex()) == rest) {
      return property;
    }
  }
  return std::nullopt;
}

struct ModelDevice {
  const char* subsystem;
  const char* name;
  bool large;
};

const ModelDevice kModelDevices[] = {
    {"Floor 1", "Room 101", true},   // qvrl206
    {"Floor 1", "Room 104", true},   // qvrl207
    {"Floor 2", "Room 201", false},  // qvrl105
    {"Floor 2", "Room 202", false},  // qvrl106
};

TEST(LnsDataPointPathTest, EveryRowOfBothLayoutsResolvesOnEachModel) {
  lnstest::LnsDemo demo;
  for (const ModelDevice& model : kModelDevices) {
    SCOPED_TRACE(model.name);
    lns::LnsAppDevice device = demo.Device(model.subsystem, model.name);
    lns::LnsNetworkVariables nvs = device.GetInterface().GetNetworkVariables();
    int nvRows = 0;
    for (const NvRow& row : kNvRows) {
      int index = model.large ? row.largeIndex : row.smallIndex;
      if (index < 0) continue;
      ++nvRows;
      lns::LnsNetworkVariable nv = nvs.ItemByIndex(index);
      EXPECT_EQ(nv.GetName(), row.name);
      if (row.type) {
        EXPECT_EQ(nv.GetTypeName(), row.type) << row.name;
      }
      EXPECT_EQ(nv.GetIsOutput(), std::string(row.name).rfind("nvo", 0) == 0) << row.name;
      EXPECT_FALSE(nv.GetValue().empty()) << row.name;
    }
    EXPECT_EQ(nvRows, model.large ? 45 : 24);

    int cpRows = 0;
    for (const CpRow& row : kCpRows) {
      const char* key = model.large ? row.largeKey : row.smallKey;
      if (!key) continue;
      ++cpRows;
      auto property = FindByAddress(device, key);
      ASSERT_TRUE(property) << key;
      EXPECT_EQ(property->GetTypeName(), row.typeName) << key;
      EXPECT_FALSE(property->GetValue().empty()) << key;
    }
    EXPECT_EQ(cpRows, model.large ? 56 : 37);
  }
}

TEST(LnsDataPointPathTest, SameTypeUnderDifferentOwnersHoldsSeparateValues) {
  lnstest::LnsDemo demo;
  lns::LnsAppDevice device = demo.Device("Floor 1", "Room 101");
  std::vector<std::string> keys = {"F:3/C:0:49", "F:2/C:0:49", "N:3/C:0:49", "F:4/C:0:49",
                                   "F:5/C:0:49", "F:7/C:0:49", "F:6/C:0:49"};
  for (std::size_t i = 0; i < keys.size(); ++i)
    FindByAddress(device, keys[i])->PutValue(std::to_string(10 + i) + ".0");
  for (std::size_t i = 0; i < keys.size(); ++i) {
    EXPECT_EQ(FindByAddress(device, keys[i])->GetValue(), std::to_string(10 + i) + ".0") << keys[i];
  }
  // Another device of the same template keeps its delivered values.
  EXPECT_NE(FindByAddress(demo.Device("Floor 1", "Room 102"), "F:3/C:0:49")->GetValue(), "10.0");
  EXPECT_FALSE(FindByAddress(device, "F:3/C:0:999"));
  EXPECT_THROW(FindByAddress(device, "F:8/C:0:49"), lns::LnsError);
}

}  // namespace
