#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <optional>

#include "../DataPointRows.h"
#include "TempMachineRoot.h"
#include "platform/MachineRoot.h"
#include "platform/lns/LnsError.h"
#include "platform/lns/resources/DeviceInterfaceFile.h"
#include "platform/lns/types/LonTypes.h"

namespace {

using lns::CpOwner;
using lns::DeviceInterface;
using lns::NvDirection;
using lnstest::CpRow;
using lnstest::NvRow;

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

void ExpectNvRows(const DeviceInterface& device, const std::vector<NvRow>& rows, NvDirection direction,
                  bool large) {
  for (const NvRow& row : rows) {
    const std::optional<int> index = row.IndexIn(large);
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
    ExpectNvRows(device, lnstest::kInputRows, NvDirection::Input, large);
    ExpectNvRows(device, lnstest::kOutputRows, NvDirection::Output, large);
    for (const CpRow& row : lnstest::kPropertyRows) {
      const std::string& address = row.AddressIn(large);
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
