#include "TableChecks.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

#include "mainwindow/fMain.h"

namespace datapoints_test {

namespace {

// One network-variable row seen through either table's field group.
struct NvRowView {
  std::string name;
  std::string object;
  std::int16_t index;
  std::string value;
  ui::TextBox* box;
};

// Blocks by row ranges: the last row of each block in row order.
using BlockRanges = std::vector<std::pair<int, std::string>>;

const BlockRanges kInputBlocks{{3, "OccupController"},     {5, "OccupSensor"}, {9, "LightController[0]"},
                               {13, "LightController[1]"}, {14, "Switch"},     {24, "SCC"}};
const BlockRanges kOutputBlocks{
    {1, "OccupController"},    {3, "OccupSensor"}, {4, "LigthSensor"}, {5, "LightController[0]"},
    {6, "LightController[1]"}, {8, "Switch"},      {19, "SCC"}};

std::string BlockOfRow(const BlockRanges& ranges, int row) {
  for (const auto& [last, block] : ranges) {
    if (row <= last) return block;
  }
  return "";
}

void ExpectNvRowsMatchDevice(const std::vector<NvRowView>& rows, const lns::LnsAppDevice& device,
                             bool outputs, const ui::ControlArray<ui::TextBox>& boxes, ValuesRead values) {
  lns::LnsLonMarkObjects objects = device.GetInterface().GetLonMarkObjects();
  lns::LnsNetworkVariables variables = device.GetInterface().GetNetworkVariables();
  for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
    const NvRowView& view = rows[static_cast<std::size_t>(row)];
    SCOPED_TRACE((outputs ? "output row " : "input row ") + std::to_string(row) + " " + view.name);
    lns::LnsNetworkVariable variable = variables.ItemByIndex(view.index);
    EXPECT_EQ(view.name, variable.GetName());
    EXPECT_EQ(variable.GetIsOutput(), outputs);
    EXPECT_EQ(view.object, BlockOfRow(outputs ? kOutputBlocks : kInputBlocks, row));
    EXPECT_EQ(objects.Item(view.object).GetName(), view.object) << "the device has the object";
    EXPECT_EQ(view.box, &boxes[row]);
    EXPECT_EQ(view.value, values == ValuesRead::Yes ? variable.GetValue() : "");
  }
}

template <std::size_t N>
bool SameRows(const std::array<qvr::DataPoint, N>& a, const std::array<qvr::DataPoint, N>& b) {
  for (std::size_t row = 0; row < N; ++row) {
    if (!SameRow(a[row], b[row])) return false;
  }
  return true;
}

// The object of the input or output row that holds the network variable `nvIndex`.
std::string ObjectOfNv(const qvr::DataPointTables& tables, int nvIndex) {
  for (int row = 0; row < tables.NviCount; ++row) {
    if (tables.NviTable[static_cast<std::size_t>(row)].NviIndex == nvIndex)
      return tables.NviTable[row].NviObject;
  }
  for (int row = 0; row < tables.NvoCount; ++row) {
    if (tables.NvoTable[static_cast<std::size_t>(row)].NvoIndex == nvIndex)
      return tables.NvoTable[row].NvoObject;
  }
  return "no row has NV " + std::to_string(nvIndex);
}

}  // namespace

void ExpectNvRowsMatchDevice(qvr::Program& program, const lns::LnsAppDevice& device, ValuesRead values) {
  const qvr::DataPointTables& t = program.datapoints;
  std::vector<NvRowView> inputs;
  std::vector<NvRowView> outputs;
  for (int row = 0; row < t.NviCount; ++row) {
    const qvr::DataPoint& p = t.NviTable[static_cast<std::size_t>(row)];
    inputs.push_back({p.NviName, p.NviObject, p.NviIndex, p.NviValue, p.NviTextBox});
  }
  for (int row = 0; row < t.NvoCount; ++row) {
    const qvr::DataPoint& p = t.NvoTable[static_cast<std::size_t>(row)];
    outputs.push_back({p.NvoName, p.NvoObject, p.NvoIndex, p.NvoValue, p.NvoTextBox});
  }
  ExpectNvRowsMatchDevice(inputs, device, false, program.fMain().txtNvi, values);
  ExpectNvRowsMatchDevice(outputs, device, true, program.fMain().txtNvo, values);
}

void ExpectPropertyRowsResolveOnDevice(qvr::Program& program, const lns::LnsAppDevice& device) {
  const qvr::DataPointTables& tables = program.datapoints;
  lns::LnsLonMarkObjects blocks = device.GetInterface().GetLonMarkObjects();
  std::set<std::string> keys;
  for (int row = 0; row < tables.NciCount; ++row) {
    const qvr::DataPoint& p = tables.NciTable[static_cast<std::size_t>(row)];
    SCOPED_TRACE("property row " + std::to_string(row) + " " + p.NciName + " " + p.NciKey);
    EXPECT_TRUE(keys.insert(p.NciKey).second) << "another row has the same address";
    std::optional<lns::LnsConfigProperty> property = ResolveKey(device, p.NciKey);
    ASSERT_TRUE(property.has_value());
    EXPECT_EQ(property->GetTypeName(), p.NciName);
    int owner = 0;
    if (std::sscanf(p.NciKey.c_str(), "F:%d/", &owner) == 1) {
      EXPECT_EQ(blocks.Item(owner + 1).GetName(), p.NciObject);
    } else if (std::sscanf(p.NciKey.c_str(), "N:%d/", &owner) == 1) {
      EXPECT_EQ(ObjectOfNv(tables, owner), p.NciObject);
    }
    EXPECT_TRUE(p.NciByKey);
    EXPECT_EQ(p.NciTextBox, &program.fMain().txtNci[row]);
    EXPECT_EQ(p.NciValue, "");
    EXPECT_EQ(p.NvTag, 0);
  }
}

std::optional<lns::LnsConfigProperty> ResolveKey(const lns::LnsAppDevice& device, const std::string& key) {
  lns::LnsInterface deviceInterface = device.GetInterface();
  int owner = 0;
  int scope = 0;
  int type = 0;
  std::optional<lns::LnsConfigProperties> properties;
  if (std::sscanf(key.c_str(), "F:%d/C:%d:%d", &owner, &scope, &type) == 3) {
    properties = deviceInterface.GetLonMarkObjects().Item(owner + 1).GetConfigProperties();
  } else if (std::sscanf(key.c_str(), "N:%d/C:%d:%d", &owner, &scope, &type) == 3) {
    properties = deviceInterface.GetNetworkVariables().ItemByIndex(owner).GetConfigProperties();
  } else if (std::sscanf(key.c_str(), "C:%d:%d", &scope, &type) == 2) {
    properties = deviceInterface.GetConfigProperties();
  } else {
    return std::nullopt;
  }
  for (long position = 1; position <= properties->Count(); ++position) {
    lns::LnsConfigProperty property = properties->Item(position);
    if (property.GetResourceScope() == scope && property.GetTypeIndex() == type) return property;
  }
  return std::nullopt;
}

bool SameRow(const qvr::DataPoint& a, const qvr::DataPoint& b) {
  auto fields = [](const qvr::DataPoint& p) {
    return std::tie(p.NciName, p.NciObject, p.NciValue, p.NciTextBox, p.NciByKey, p.NciKey, p.NciGeneral,
                    p.NviName, p.NviIndex, p.NviObject, p.NviValue, p.NviTextBox, p.NvoName, p.NvoObject,
                    p.NvoIndex, p.NvoValue, p.NvoTextBox, p.NvTag);
  };
  return fields(a) == fields(b);
}

bool SameTables(const qvr::DataPointTables& a, const qvr::DataPointTables& b) {
  return a.NciCount == b.NciCount && a.NviCount == b.NviCount && a.NvoCount == b.NvoCount &&
         SameRows(a.NciTable, b.NciTable) && SameRows(a.NviTable, b.NviTable) &&
         SameRows(a.NvoTable, b.NvoTable);
}

}  // namespace datapoints_test
