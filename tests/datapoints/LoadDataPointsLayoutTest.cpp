#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "DemoDevices.h"
#include "TableChecks.h"
#include "mainwindow/device/LoadDataPoints.h"

namespace datapoints_test {
namespace {

// The monitor finds a row by its tag: outputs carry 200 + row, inputs these.
std::set<int> InputTags(const qvr::DataPointTables& tables) {
  std::set<int> tags;
  for (int row = 0; row < tables.NviCount; ++row)
    tags.insert(tables.NviTable[static_cast<std::size_t>(row)].NvTag);
  return tags;
}

std::set<int> TagsFrom(std::initializer_list<std::pair<int, int>> ranges) {
  std::set<int> tags;
  for (const auto& [first, last] : ranges) {
    for (int tag = first; tag <= last; ++tag) tags.insert(tag);
  }
  return tags;
}

std::vector<int> DeviceSpecificRows(const qvr::DataPointTables& tables) {
  std::vector<int> rows;
  for (int row = 0; row < tables.NciCount; ++row) {
    if (!tables.NciTable[static_cast<std::size_t>(row)].NciGeneral) rows.push_back(row);
  }
  return rows;
}

using LoadDataPointsLayoutTest = testsupport::DemoDevicesTest;

// Every row must say of the device what its interface holds; the counts and the tags are the contract
// with the main window's boxes.
TEST_F(LoadDataPointsLayoutTest, EachModelGetsTheLayoutOfItsFamilyWithItsDevicesValues) {
  struct Case {
    const char* floor;
    const char* room;
    bool large;
    ValuesRead values;
  };
  // Values are read whatever the state; a device that does not answer leaves them empty, even after a
  // device that did.
  const Case cases[] = {
      {"Floor 1", "Room 101", true, ValuesRead::Yes},  {"Floor 1", "Room 104", true, ValuesRead::Yes},
      {"Floor 2", "Room 201", false, ValuesRead::Yes}, {"Floor 2", "Room 202", false, ValuesRead::Yes},
      {"Floor 1", "Room 103", true, ValuesRead::No},   {"Floor 2", "Room 203", false, ValuesRead::No}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.room);
    lns::LnsAppDevice device = Device(c.floor, c.room);
    if (c.values == ValuesRead::Yes) {
      PutNv(device, 24, c.large ? "22.50" : "100.0 1");  // nviSpaceTemp, on the smaller models nviSwSwitchFb
    }
    Load(device);

    const qvr::DataPointTables& t = tables();
    EXPECT_EQ(t.NviCount, c.large ? 25 : 15);
    EXPECT_EQ(t.NvoCount, c.large ? 20 : 9);
    EXPECT_EQ(t.NciCount, c.large ? 56 : 37);
    ExpectNvRowsMatchDevice(program(), device, c.values);
    ExpectPropertyRowsResolveOnDevice(program(), device);

    const qvr::DataPoint& nv24 = t.NviTable[c.large ? 16 : 14];
    EXPECT_EQ(nv24.NviIndex, 24);
    EXPECT_EQ(nv24.NvTag, c.large ? 151 : 160);
    if (c.values == ValuesRead::Yes) {
      EXPECT_EQ(nv24.NviValue.substr(0, 3), c.large ? "22." : "100");
    }
    for (int row = 0; row < t.NvoCount; ++row) EXPECT_EQ(t.NvoTable[row].NvTag, 200 + row) << row;
    EXPECT_EQ(InputTags(t), c.large ? TagsFrom({{130, 140}, {142, 143}, {150, 160}, {170, 170}})
                                    : TagsFrom({{130, 140}, {142, 143}, {160, 160}, {170, 170}}));
    EXPECT_EQ(t.NciTable[33].NciKey.substr(0, 4), c.large ? "F:7/" : "F:6/") << "the switch block";
    const std::vector<int> deviceSpecific =
        c.large ? std::vector<int>{7, 11, 21, 22, 32, 51} : std::vector<int>{7, 11, 21, 22, 32};
    EXPECT_EQ(DeviceSpecificRows(t), deviceSpecific);
  }
}

TEST_F(LoadDataPointsLayoutTest, LoadingAgainGivesTheSameRowsWithTheValuesReadAnew) {
  lns::LnsAppDevice device = Device("Floor 1", "Room 101");
  Load(device);
  const qvr::DataPointTables first = tables();
  Load(device);
  EXPECT_TRUE(SameTables(first, tables()));

  PutNv(device, 29, "1.50");               // nviSetptOffset, row 15
  PutNv(device, 13, "SET_ON 100.0 0.00");  // nvoOcSetting, output row 1
  Load(device);
  EXPECT_EQ(tables().NviTable[15].NviValue,
            device.GetInterface().GetNetworkVariables().ItemByIndex(29).GetValue());
  EXPECT_NE(tables().NviTable[15].NviValue, first.NviTable[15].NviValue);
  EXPECT_EQ(tables().NvoTable[1].NvoValue.substr(0, 6), "SET_ON");
  qvr::DataPointTables expected = first;
  expected.NviTable[15].NviValue = tables().NviTable[15].NviValue;
  expected.NvoTable[1].NvoValue = tables().NvoTable[1].NvoValue;
  EXPECT_TRUE(SameTables(expected, tables())) << "only the two values changed";
}

}  // namespace
}  // namespace datapoints_test
