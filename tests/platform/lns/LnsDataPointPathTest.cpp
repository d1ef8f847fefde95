// Every data point of both table layouts is reachable through the object model on a device of each model:
// network variables by index, configuration properties by their address walked as the main window walks it.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "DataPointRows.h"
#include "LnsDemo.h"

namespace {

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
    for (const auto* rows : {&lnstest::kInputRows, &lnstest::kOutputRows}) {
      for (const lnstest::NvRow& row : *rows) {
        const std::optional<int> index = row.IndexIn(model.large);
        if (!index) continue;
        ++nvRows;
        lns::LnsNetworkVariable nv = nvs.ItemByIndex(*index);
        EXPECT_EQ(nv.GetName(), row.name);
        EXPECT_EQ(nv.GetTypeName(), row.type) << row.name;
        EXPECT_EQ(nv.GetIsOutput(), rows == &lnstest::kOutputRows) << row.name;
        EXPECT_FALSE(nv.GetValue().empty()) << row.name;
      }
    }
    EXPECT_EQ(nvRows, model.large ? 45 : 24);

    int cpRows = 0;
    for (const lnstest::CpRow& row : lnstest::kPropertyRows) {
      const std::string& key = row.AddressIn(model.large);
      if (key.empty()) continue;
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
