#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "DemoDevices.h"
#include "TableChecks.h"
#include "datapoints/LoadDataPoints.h"
#include "mainwindow/fMain.h"

namespace {

using testsupport::ValuesRead;

std::set<int> InputTags(const qvr::DataPointTables& tables) {
  std::set<int> tags;
  for (int row = 0; row < tables.NviCount; ++row)
    tags.insert(tables.NviTable[static_cast<std::size_t>(row)].NvTag);
  return tags;
}

std::set<int> TagRange(int first, int last) {
  std::set<int> tags;
  for (int tag = first; tag <= last; ++tag) tags.insert(tag);
  return tags;
}

std::set<int> Joined(std::initializer_list<std::set<int>> parts) {
  std::set<int> joined;
  for (const auto& part : parts) joined.insert(part.begin(), part.end());
  return joined;
}

std::vector<int> DeviceSpecificRows(const qvr::DataPointTables& tables) {
  std::vector<int> rows;
  for (int row = 0; row < tables.NciCount; ++row) {
    if (!tables.NciTable[static_cast<std::size_t>(row)].NciGeneral) rows.push_back(row);
  }
  return rows;
}

void ExpectOutputTagsFollowTheRow(const qvr::DataPointTables& tables) {
  for (int row = 0; row < tables.NvoCount; ++row) {
    EXPECT_EQ(tables.NvoTable[static_cast<std::size_t>(row)].NvTag, 200 + row) << "output row " << row;
  }
}

class LoadDataPointsLayoutTest : public testsupport::DemoDevicesTest {};

TEST_F(LoadDataPointsLayoutTest, TheLargerModelsGetTheLargeLayoutWithTheirDevicesValues) {
  for (const char* room : {"Room 101", "Room 104"}) {
    SCOPED_TRACE(room);
    lns::LnsAppDevice device = Device("Floor 1", room);
    PutNv(device, 24, room == std::string("Room 101") ? "22.50" : "18.25");  // nviSpaceTemp
    PutNv(device, 19, "50.0 1");                                             // nviLcManOverride_2
    Load(device);

    const qvr::DataPointTables& t = tables();
    EXPECT_EQ(t.NviCount, 25);
    EXPECT_EQ(t.NvoCount, 20);
    EXPECT_EQ(t.NciCount, 56);
    testsupport::ExpectInputRowsMatchDevice(program(), device, ValuesRead::Yes);
    testsupport::ExpectOutputRowsMatchDevice(program(), device, ValuesRead::Yes);
    testsupport::ExpectPropertyRowsResolveOnDevice(program(), device);

    EXPECT_EQ(t.NviTable[16].NviName, "nviSpaceTemp");
    EXPECT_EQ(t.NviTable[16].NviIndex, 24);
    EXPECT_EQ(t.NviTable[16].NvTag, 151);
    EXPECT_EQ(t.NviTable[16].NviValue,
              device.GetInterface().GetNetworkVariables().ItemByIndex(24).GetValue());
    EXPECT_EQ(t.NviTable[14].NviIndex, 45);
    EXPECT_EQ(t.NviTable[11].NvTag, 170);
    EXPECT_EQ(t.NviTable[11].NviValue.substr(0, 2), "50");
    EXPECT_EQ(InputTags(t), Joined({TagRange(130, 140), {142, 143}, TagRange(150, 160), {170}}));
    ExpectOutputTagsFollowTheRow(t);
    EXPECT_EQ(t.NvoTable[7].NvoIndex, 46);
    EXPECT_EQ(t.NvoTable[12].NvoName, "nvoHeatPWM");
    EXPECT_EQ(t.NvoTable[12].NvoIndex, 43);
    EXPECT_EQ(t.NvoTable[19].NvoName, "nvoDewPtSensor");

    EXPECT_EQ(t.NciTable[0].NciKey, "F:3/C:0:155");
    EXPECT_EQ(t.NciTable[33].NciKey, "F:7/C:0:93");
    EXPECT_EQ(t.NciTable[51].NciName, "SCPTtempOffset");
    EXPECT_EQ(t.NciTable[51].NciKey, "N:34/C:0:227");
    EXPECT_EQ(t.NciTable[54].NciKey, "N:25/C:0:74");
    EXPECT_EQ(DeviceSpecificRows(t), (std::vector<int>{7, 11, 21, 22, 32, 51}));
  }
}

TEST_F(LoadDataPointsLayoutTest, TheSmallerModelsGetTheSmallLayoutWithTheSwitchAsBlock6) {
  for (const char* room : {"Room 201", "Room 202"}) {
    SCOPED_TRACE(room);
    lns::LnsAppDevice device = Device("Floor 2", room);
    PutNv(device, 24, "100.0 1");  // nviSwSwitchFb on these models
    Load(device);

    const qvr::DataPointTables& t = tables();
    EXPECT_EQ(t.NviCount, 15);
    EXPECT_EQ(t.NvoCount, 9);
    EXPECT_EQ(t.NciCount, 37);
    testsupport::ExpectInputRowsMatchDevice(program(), device, ValuesRead::Yes);
    testsupport::ExpectOutputRowsMatchDevice(program(), device, ValuesRead::Yes);
    testsupport::ExpectPropertyRowsResolveOnDevice(program(), device);

    EXPECT_EQ(t.NviTable[14].NviName, "nviSwSwitchFb");
    EXPECT_EQ(t.NviTable[14].NviIndex, 24);
    EXPECT_EQ(t.NviTable[14].NvTag, 160);
    EXPECT_EQ(t.NviTable[14].NviValue.substr(0, 3), "100");
    EXPECT_EQ(InputTags(t), Joined({TagRange(130, 140), {142, 143, 160, 170}}));
    ExpectOutputTagsFollowTheRow(t);
    EXPECT_EQ(t.NvoTable[7].NvoIndex, 25);
    EXPECT_EQ(t.NvoTable[8].NvoIndex, 26);
    for (int row = 33; row <= 36; ++row) EXPECT_EQ(t.NciTable[row].NciKey.substr(0, 4), "F:6/") << row;
    for (int row = 0; row < t.NciCount; ++row) EXPECT_NE(t.NciTable[row].NciObject, "SCC") << row;
    EXPECT_EQ(DeviceSpecificRows(t), (std::vector<int>{7, 11, 21, 22, 32}));
  }
}

// Values are read whatever the device's state; a device that does not answer leaves them empty.
TEST_F(LoadDataPointsLayoutTest, DevicesThatAreNotOnlineGetTheirRowsButNoValues) {
  lns::LnsAppDevice offline = Device("Floor 1", "Room 103");
  Load(offline);
  EXPECT_EQ(tables().NviCount, 25);
  EXPECT_EQ(tables().NvoCount, 20);
  EXPECT_EQ(tables().NciCount, 56);
  testsupport::ExpectInputRowsMatchDevice(program(), offline, ValuesRead::No);
  testsupport::ExpectOutputRowsMatchDevice(program(), offline, ValuesRead::No);
  testsupport::ExpectPropertyRowsResolveOnDevice(program(), offline);

  lns::LnsAppDevice unconfigured = Device("Floor 2", "Room 203");
  Load(unconfigured);
  EXPECT_EQ(tables().NviCount, 15);
  EXPECT_EQ(tables().NciCount, 37);
  testsupport::ExpectInputRowsMatchDevice(program(), unconfigured, ValuesRead::No);
  testsupport::ExpectOutputRowsMatchDevice(program(), unconfigured, ValuesRead::No);
}

TEST_F(LoadDataPointsLayoutTest, LoadingAgainGivesTheSameRowsWithTheValuesReadAnew) {
  lns::LnsAppDevice device = Device("Floor 1", "Room 101");
  Load(device);
  const qvr::DataPointTables first = tables();
  Load(device);
  EXPECT_TRUE(testsupport::SameTables(first, tables()));

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
  EXPECT_TRUE(testsupport::SameTables(expected, tables())) << "only the two values changed";
}

}  // namespace
