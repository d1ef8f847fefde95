#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <optional>

#include "TempMachineRoot.h"
#include "platform/MachineRoot.h"
#include "platform/lns/DeviceInterfaceFile.h"
#include "platform/lns/LnsError.h"
#include "platform/lns/LonTypes.h"

namespace {

using lns::CpOwner;
using lns::DeviceInterface;
using lns::NvDirection;

DeviceInterface ReadShipped(const std::string& model) {
  return lns::ReadDeviceInterface(platform::DataDir() / "interfaces" / (model + ".xif"));
}

const lns::NvDefinition* FindNv(const DeviceInterface& device, int index) {
  for (const auto& nv : device.networkVariables) {
    if (nv.index == index) return &nv;
  }
  return nullptr;
}

// Resolves a property address ("F:3/C:0:155", "N:34/C:0:227", "C:0:49") as the system does: the first
// property of the addressed block, network variable or device with that scope and type index.
const lns::CpDefinition* Resolve(const DeviceInterface& device, const std::string& address) {
  CpOwner owner = CpOwner::Device;
  int ownerIndex = 0;
  std::string rest = address;
  if (address[0] == 'F' || address[0] == 'N') {
    owner = address[0] == 'F' ? CpOwner::Block : CpOwner::NetworkVariable;
    const std::size_t slash = address.find('/');
    ownerIndex = std::stoi(address.substr(2, slash - 2));
    rest = address.substr(slash + 1);
  }
  const std::string scopeAndIndex = rest.substr(rest.find(':') + 1);
  for (const auto& cp : device.configProperties) {
    if (cp.owner == owner && cp.ownerIndex == ownerIndex &&
        std::to_string(cp.scope) + ":" + std::to_string(cp.typeIndex) == scopeAndIndex) {
      return &cp;
    }
  }
  return nullptr;
}

struct NvRow {
  std::string name;
  int largeIndex;
  std::optional<int> smallIndex;
  std::string type;
};

// The network-variable input and output rows of the system's tables.
const std::vector<NvRow> kInputRows = {
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
    {"nviSetptOffset", 29, std::nullopt, "SNVT_temp_p"},
    {"nviSpaceTemp", 24, std::nullopt, "SNVT_temp_p"},
    {"nviSetpoint", 28, std::nullopt, "SNVT_temp_p"},
    {"nviHeatPriSlave", 27, std::nullopt, "SNVT_lev_percent"},
    {"nviCoolPriSlave", 26, std::nullopt, "SNVT_lev_percent"},
    {"nviApplicMode", 25, std::nullopt, "SNVT_hvac_mode"},
    {"nviOccManCmd", 30, std::nullopt, "SNVT_occupancy"},
    {"nviOccSensor", 31, std::nullopt, "SNVT_occupancy"},
    {"nviEnergyHoldOff", 32, std::nullopt, "SNVT_switch"},
    {"nviDewPtSensor", 33, std::nullopt, "SNVT_switch"},
};

const std::vector<NvRow> kOutputRows = {
    {"nvoOcLampValue", 12, 12, "SNVT_switch"},
    {"nvoOcSetting", 13, 13, "SNVT_setting"},
    {"nvoOsSWOccup", 7, 7, "SNVT_switch"},
    {"nvoOsOccup", 6, 6, "SNVT_occupancy"},
    {"nvoLsLuxLevel", 3, 3, "SNVT_lux"},
    {"nvoLcLampValue_1", 22, 22, "SNVT_switch"},
    {"nvoLcLampValue_2", 23, 23, "SNVT_switch"},
    {"nvoSwSwitch", 46, 25, "SNVT_switch"},
    {"nvoSwSetting", 47, 26, "SNVT_setting"},
    {"nvoSpaceTemp", 34, std::nullopt, "SNVT_temp_p"},
    {"nvoUnitStatus", 35, std::nullopt, "SNVT_hvac_status"},
    {"nvoHeatPrimary", 36, std::nullopt, "SNVT_lev_percent"},
    {"nvoHeatPWM", 43, std::nullopt, "SNVT_switch"},
    {"nvoCoolPrimary", 37, std::nullopt, "SNVT_lev_percent"},
    {"nvoCoolPWM", 44, std::nullopt, "SNVT_switch"},
    {"nvoSetptEffect", 38, std::nullopt, "SNVT_temp_p"},
    {"nvoSetptOffset", 41, std::nullopt, "SNVT_temp_p"},
    {"nvoOccupEffect", 39, std::nullopt, "SNVT_occupancy"},
    {"nvoEnergyHoldOff", 40, std::nullopt, "SNVT_switch"},
    {"nvoDewPtSensor", 42, std::nullopt, "SNVT_switch"},
};

struct CpRow {
  std::string typeName;
  std::string block;
  std::string largeAddress;
  std::string smallAddress;  // empty: the small layout lacks the row
  std::string valueType;
  std::string delivered;
};

// The configuration-property rows with the value type and delivered value that the help texts give.
const std::vector<CpRow> kPropertyRows = {
    {"SCPTprimeVal", "OccupController", "F:3/C:0:155", "F:3/C:0:155", "SNVT_switch", "100.0 1"},
    {"SCPTsecondVal", "OccupController", "F:3/C:0:156", "F:3/C:0:156", "SNVT_switch", "0.0 0"},
    {"SCPTholdTime", "OccupController", "F:3/C:0:91", "F:3/C:0:91", "SNVT_time_sec", "600.0"},
    {"SCPTmaxSendTime", "OccupController", "F:3/C:0:49", "F:3/C:0:49", "SNVT_time_sec", "120.0"},
    {"SCPTdebounce", "OccupSensor", "F:2/C:0:139", "F:2/C:0:139", "SNVT_time_sec", "0.0"},
    {"SCPTmaxSendTime", "OccupSensor", "F:2/C:0:49", "F:2/C:0:49", "SNVT_time_sec", "120.0"},
    {"UCPTgeneralCP1", "OccupSensor", "F:2/C:3:7", "F:2/C:3:7", "SNVT_state",
     "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0"},
    {"SCPTfieldCalib", "LigthSensor", "F:1/C:0:90", "F:1/C:0:90", "SNVT_lux", "0"},
    {"SCPTmaxSendTime", "LigthSensor", "N:3/C:0:49", "N:3/C:0:49", "SNVT_time_sec", "60.0"},
    {"SCPTminSendTime", "LigthSensor", "N:3/C:0:52", "N:3/C:0:52", "SNVT_time_sec", "60.0"},
    {"SCPTminDeltaLevel", "LigthSensor", "N:3/C:0:88", "N:3/C:0:88", "SNVT_lev_cont", "2.5"},
    {"SCPTluxSetpoint", "LightController[0]", "F:4/C:0:82", "F:4/C:0:82", "SNVT_lux", "500"},
    {"SCPTclOffDelay", "LightController[0]", "F:4/C:0:85", "F:4/C:0:85", "SNVT_time_sec", "300.0"},
    {"SCPTclOnDelay", "LightController[0]", "F:4/C:0:86", "F:4/C:0:86", "SNVT_time_sec", "0.0"},
    {"SCPTmaxSendTime", "LightController[0]", "F:4/C:0:49", "F:4/C:0:49", "SNVT_time_sec", "300.0"},
    {"SCPTminDeltaLevel", "LightController[0]", "F:4/C:0:88", "F:4/C:0:88", "SNVT_lev_cont", "0.5"},
    {"SCPTonOffHysteresis", "LightController[0]", "F:4/C:0:84", "F:4/C:0:84", "SNVT_lev_cont", "0.0"},
    {"SCPTpowerupState", "LightController[0]", "F:4/C:0:87", "F:4/C:0:87", "SNVT_setting",
     "SET_OFF 0.0 0.00"},
    {"SCPTstep", "LightController[0]", "F:4/C:0:83", "F:4/C:0:83", "SNVT_lev_cont", "10.0"},
    {"UCPTgeneralCP1", "LightController[0]", "F:4/C:3:7", "F:4/C:3:7", "SNVT_state",
     "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0"},
    {"SCPTmaxOut", "LightController[0]", "F:4/C:0:93", "F:4/C:0:93", "SNVT_lev_cont", "100.0"},
    {"UCPTlightRatio", "LightController[0]", "F:4/C:3:11", "F:4/C:3:11", "SNVT_muldiv", "1000/100"},
    {"SCPTluxSetpoint", "LightController[1]", "F:5/C:0:82", "F:5/C:0:82", "SNVT_lux", "500"},
    {"SCPTclOffDelay", "LightController[1]", "F:5/C:0:85", "F:5/C:0:85", "SNVT_time_sec", "300.0"},
    {"SCPTclOnDelay", "LightController[1]", "F:5/C:0:86", "F:5/C:0:86", "SNVT_time_sec", "0.0"},
    {"SCPTmaxSendTime", "LightController[1]", "F:5/C:0:49", "F:5/C:0:49", "SNVT_time_sec", "300.0"},
    {"SCPTminDeltaLevel", "LightController[1]", "F:5/C:0:88", "F:5/C:0:88", "SNVT_lev_cont", "0.5"},
    {"SCPTonOffHysteresis", "LightController[1]", "F:5/C:0:84", "F:5/C:0:84", "SNVT_lev_cont", "0.0"},
    {"SCPTpowerupState", "LightController[1]", "F:5/C:0:87", "F:5/C:0:87", "SNVT_setting",
     "SET_OFF 0.0 0.00"},
    {"SCPTstep", "LightController[1]", "F:5/C:0:83", "F:5/C:0:83", "SNVT_lev_cont", "10.0"},
    {"UCPTgeneralCP1", "LightController[1]", "F:5/C:3:7", "F:5/C:3:7", "SNVT_state",
     "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0"},
    {"SCPTmaxOut", "LightController[1]", "F:5/C:0:93", "F:5/C:0:93", "SNVT_lev_cont", "100.0"},
    {"UCPTlightRatio", "LightController[1]", "F:5/C:3:11", "F:5/C:3:11", "SNVT_muldiv", "1000/100"},
    {"SCPTmaxOut", "Switch", "F:7/C:0:93", "F:6/C:0:93", "SNVT_lev_cont", "100.0"},
    {"SCPTmaxSendTime", "Switch", "F:7/C:0:49", "F:6/C:0:49", "SNVT_time_sec", "0.0"},
    {"SCPTstepValue", "Switch", "F:7/C:0:92", "F:6/C:0:92", "SNVT_lev_cont", "5.0"},
    {"UCPTdiConfig", "Switch", "F:7/C:3:44", "F:6/C:3:44", "UNVT_str_hex4", "0 0 0 0"},
    {"UCPTheatXp", "SCC", "F:6/C:3:19", "", "SNVT_temp_p", "4.00"},
    {"UCPTheatTn", "SCC", "F:6/C:3:20", "", "SNVT_time_min", "100"},
    {"UCPTheatTv", "SCC", "F:6/C:3:21", "", "SNVT_time_min", "0"},
    {"UCPTheatMinDay", "SCC", "F:6/C:3:27", "", "SNVT_lev_percent", "0.000"},
    {"UCPTheatMinNight", "SCC", "F:6/C:3:26", "", "SNVT_lev_percent", "0.000"},
    {"UCPTheatMax", "SCC", "F:6/C:3:28", "", "SNVT_lev_percent", "100.000"},
    {"UCPTcoolXp", "SCC", "F:6/C:3:22", "", "SNVT_temp_p", "4.00"},
    {"UCPTcoolTn", "SCC", "F:6/C:3:23", "", "SNVT_time_min", "100"},
    {"UCPTcoolTv", "SCC", "F:6/C:3:24", "", "SNVT_time_min", "0"},
    {"UCPTcoolMinDay", "SCC", "F:6/C:3:30", "", "SNVT_lev_percent", "0.000"},
    {"UCPTcoolMinNight", "SCC", "F:6/C:3:29", "", "SNVT_lev_percent", "0.000"},
    {"UCPTcoolMax", "SCC", "F:6/C:3:31", "", "SNVT_lev_percent", "100.000"},
    {"SCPTsetPnts", "SCC", "F:6/C:0:60", "", "SNVT_temp_setpt", "23.00,25.00,28.00,21.00,19.00,16.00"},
    {"SCPTnumValves", "SCC", "F:6/C:0:59", "", "SNVT_count", "2"},
    {"SCPTtempOffset", "SCC", "N:34/C:0:227", "", "SNVT_temp_diff_p", "0.00"},
    {"SCPTmaxSendTime", "SCC", "F:6/C:0:49", "", "SNVT_time_sec", "30.0"},
    {"UCPTpwmCycleTime", "SCC", "F:6/C:3:35", "", "SNVT_time_min", "15"},
    {"SCPThvacMode", "SCC", "N:25/C:0:74", "", "SNVT_hvac_mode", "HVAC_AUTO"},
    {"UCPTspAntiFreez", "SCC", "F:6/C:3:18", "", "SNVT_temp_p", "10.00"},
};

void ExpectNvRows(const DeviceInterface& device, const std::vector<NvRow>& rows, NvDirection direction,
                  bool large) {
  for (const NvRow& row : rows) {
    const std::optional<int> index = large ? std::optional<int>(row.largeIndex) : row.smallIndex;
    if (!index) continue;
    SCOPED_TRACE(device.model + " " + row.name);
    const lns::NvDefinition* nv = FindNv(device, *index);
    ASSERT_NE(nv, nullptr) << "no network variable " << *index;
    EXPECT_EQ(nv->name, row.name);
    EXPECT_EQ(nv->direction, direction);
    EXPECT_EQ(nv->type, row.type);
    EXPECT_NO_THROW(lns::FindLonType(nv->type).Parse(nv->initial, "."));
  }
}

TEST(DeviceInterface, EveryRowOfTheSystemsTablesResolvesOnEveryModel) {
  const std::vector<std::tuple<std::string, std::string, bool>> models = {
      {"qvrl105", "9FFF6E0A5A060408", false},
      {"qvrl206", "9FFF6E0A5A060409", true},
      {"qvrl106", "9FFF6E0A5A06040A", false},
      {"qvrl207", "9FFF6E0A5A06040B", true},
  };
  for (const auto& [model, programId, large] : models) {
    const DeviceInterface device = ReadShipped(model);
    EXPECT_EQ(device.model, model);
    EXPECT_EQ(device.programId, programId);
    ExpectNvRows(device, kInputRows, NvDirection::Input, large);
    ExpectNvRows(device, kOutputRows, NvDirection::Output, large);
    for (const CpRow& row : kPropertyRows) {
      const std::string& address = large ? row.largeAddress : row.smallAddress;
      if (address.empty()) continue;
      SCOPED_TRACE(model + " " + address);
      const lns::CpDefinition* cp = Resolve(device, address);
      ASSERT_NE(cp, nullptr);
      EXPECT_EQ(cp->typeName, row.typeName);
      EXPECT_EQ(cp->valueType, row.valueType);
      EXPECT_EQ(cp->delivered, row.delivered);
      EXPECT_EQ(cp->scope, row.typeName.rfind("UCPT", 0) == 0 ? 3 : 0);
      if (cp->owner == CpOwner::Block) {
        ASSERT_LT(cp->ownerIndex, static_cast<int>(device.blocks.size()));
        EXPECT_EQ(device.blocks[cp->ownerIndex].name, row.block);
      } else {
        EXPECT_NE(FindNv(device, cp->ownerIndex), nullptr);
      }
    }
    const bool hasScc = std::any_of(device.blocks.begin(), device.blocks.end(),
                                    [](const lns::BlockDefinition& block) { return block.name == "SCC"; });
    EXPECT_EQ(hasScc, large);
  }
}

TEST(DeviceInterface, BlocksCarryTheirProfilesWithTheNodeObjectFirst) {
  const DeviceInterface large = ReadShipped("qvrl207");
  const std::vector<std::pair<std::string, int>> largeBlocks = {{"NodeObject", 0},
                                                                {"LigthSensor", 1010},
                                                                {"OccupSensor", 1060},
                                                                {"OccupController", 3071},
                                                                {"LightController[0]", 3050},
                                                                {"LightController[1]", 3050},
                                                                {"SCC", 8500},
                                                                {"Switch", 3200}};
  ASSERT_EQ(large.blocks.size(), largeBlocks.size());
  for (std::size_t i = 0; i < largeBlocks.size(); ++i) {
    EXPECT_EQ(large.blocks[i].index, static_cast<int>(i));
    EXPECT_EQ(large.blocks[i].name, largeBlocks[i].first);
    EXPECT_EQ(large.blocks[i].profile, largeBlocks[i].second);
  }
  const DeviceInterface small = ReadShipped("qvrl105");
  ASSERT_EQ(small.blocks.size(), 7u);
  EXPECT_EQ(small.blocks[6].name, "Switch");
  EXPECT_EQ(small.blocks[6].profile, 3200);
  // Every property's delivered value is one its own property type accepts.
  for (const auto& cp : large.configProperties) {
    EXPECT_NO_THROW(lns::FindPropertyType(cp.typeName, cp.valueType).Parse(cp.delivered, ".")) << cp.typeName;
  }
}

class InterfaceFileFaults : public ::testing::Test {
 protected:
  // Writes a small valid file with `line` put in place of line 4 and reads it.
  std::string FaultOf(const std::string& line) {
    const std::string text = "model qvrtest\nprogram-id 9FFF6E0A5A06040B\nblock 0 NodeObject 0\n" + line +
                             "\nnv 3 nvoLux output SNVT_lux 350\n";
    return FaultOfText(text);
  }

  std::string FaultOfText(const std::string& text) {
    std::ofstream(path_) << text;
    try {
      lns::ReadDeviceInterface(path_);
    } catch (const lns::LnsError& error) {
      EXPECT_EQ(error.Number(), lns::kLnsBadFile) << error.Description();
      EXPECT_NE(error.Description().find(path_.string()), std::string::npos) << error.Description();
      return error.Description();
    }
    ADD_FAILURE() << "accepted:\n" << text;
    return "";
  }

  testsupport::TempMachineRoot root_;
  std::filesystem::path path_ = root_.Path() / "faulty.xif";
};

TEST_F(InterfaceFileFaults, AreReportedWithFileAndLine) {
  const std::vector<std::pair<std::string, std::string>> faults = {
      {"colour red", "line 4: unknown keyword \"colour\""},
      {"nv x nvoA output SNVT_lux 0", "line 4: network-variable index \"x\" is not a whole number"},
      {"nv 4096 nvoA output SNVT_lux 0", "line 4: network-variable index 4096 is out of range"},
      {"nv 12345678901234567890 nvoA output SNVT_lux 0",
       "line 4: network-variable index 12345678901234567890 is out"},
      {"nv 4 nvoA output SNVT_luxury 0", "line 4: unknown value type \"SNVT_luxury\""},
      {"nv 4 nvoA sideways SNVT_lux 0", "line 4: direction \"sideways\""},
      {"nv 4 nvoA output SNVT_lux", "line 4: expected \"nv <index>"},
      {"nv 4 nvoA output SNVT_lux 65536", "line 4: Invalid value for SNVT_lux: \"65536\" is out of range"},
      {"nv 3 nvoA output SNVT_lux 0", "line 5: network-variable index 3 twice"},
      {"nv 4 nvoLux output SNVT_lux 0", "line 5: network-variable name nvoLux twice"},
      {"block 2 Switch 3200", "line 4: block index 2 where 1 is next"},
      {"cp block:0 0 91 SCPTholdTime SNVT_time_sec 0.5",
       "line 4: Invalid value for SCPTholdTime (SNVT_time_sec)"},
      {"cp block:0 0 92 SCPTholdTime SNVT_time_sec 1.0", "line 4: SCPTholdTime has type index 91"},
      {"cp block:0 0 500 SCPTunknown SNVT_lux 1", "line 4: \"SCPTunknown\" is not a standard property type"},
      {"cp block:0 7 1 UCPTx SNVT_lux 1", "line 4: scope 7 is out of range"},
      {"cp room:1 3 1 UCPTx SNVT_lux 1", "line 4: owner \"room:1\" is not device"},
      {"cp block:1 3 1 UCPTx SNVT_lux 1", "line 4: the owner block:1 is not defined"},
      {"cp nv:9 3 1 UCPTx SNVT_lux 1", "line 4: the owner nv:9 is not defined"},
      {"cp block:0 3 1 UCPTx SNVT_bad 1", "line 4: unknown value type \"SNVT_bad\""},
      {"program-id 9FFF6E0A5A06040C", "line 4: a second program-id line"},
  };
  for (const auto& [line, expected] : faults) {
    const std::string description = FaultOf(line);
    EXPECT_NE(description.find(expected), std::string::npos) << line << "\n  gave: " << description;
  }
  EXPECT_NE(FaultOfText("model qvrtest\nprogram-id 9fff6e0a5a06040b\n").find("line 2: program ID"),
            std::string::npos);
  EXPECT_NE(FaultOfText("model qvr/../x\n").find("line 1: model name"), std::string::npos);
  EXPECT_NE(FaultOfText("model qvrtest\nblock 0 NodeObject 0\n").find("the program ID is missing"),
            std::string::npos);
  EXPECT_NE(FaultOfText("# nothing but a comment\n").find("the model is missing"), std::string::npos);
  EXPECT_NE(FaultOfText("model qvrtest\nprogram-id 9FFF6E0A5A06040B\nblock 0 N 0\n"
                        "cp device 3 1 UCPTx SNVT_lux 1\ncp device 3 1 UCPTy SNVT_lux 2\n")
                .find("line 5: a second property of scope 3 and type index 1 on device"),
            std::string::npos);
}

TEST_F(InterfaceFileFaults, ValuesAreReadIntoOneSpellingAndMissingFilesAreNotFound) {
  std::ofstream(path_)
      << "# test device\n\nmodel qvrtest\n  program-id 9FFF6E0A5A06040B  \n"
      << "nv 7 nviSw input SNVT_switch   100   1 \nblock 0 NodeObject 0\n"
      << "cp device 3 1 UCPTlevel SNVT_lev_cont 100\ncp nv:7 0 49 SCPTmaxSendTime SNVT_time_sec 60\n";
  const DeviceInterface device = lns::ReadDeviceInterface(path_);
  ASSERT_EQ(device.networkVariables.size(), 1u);
  EXPECT_EQ(device.networkVariables[0].initial, "100.0 1");
  ASSERT_EQ(device.configProperties.size(), 2u);
  EXPECT_EQ(device.configProperties[0].owner, CpOwner::Device);
  EXPECT_EQ(device.configProperties[0].delivered, "100.0");
  EXPECT_EQ(device.configProperties[1].owner, CpOwner::NetworkVariable);
  EXPECT_EQ(device.configProperties[1].ownerIndex, 7);
  EXPECT_EQ(device.configProperties[1].delivered, "60.0");
  try {
    lns::ReadDeviceInterface(root_.Path() / "missing.xif");
    ADD_FAILURE() << "a missing file was read";
  } catch (const lns::LnsError& error) {
    EXPECT_EQ(error.Number(), lns::kLnsNotFound);
    EXPECT_NE(error.Description().find("missing.xif"), std::string::npos);
  }
}

}  // namespace
