#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "DemoDevices.h"
#include "TableChecks.h"
#include "mainwindow/device/LoadDataPoints.h"

namespace datapoints_test {
namespace {

class LoadDataPointsFailureTest : public testsupport::DemoDevicesTest {
 protected:
  std::string DeviceValue(const lns::LnsAppDevice& device, int nvIndex) {
    return device.GetInterface().GetNetworkVariables().ItemByIndex(nvIndex).GetValue();
  }
  void LoadCurrent() {
    qvr::LoadDataPoints(program(),
                        {&program().fMain().txtNci, &program().fMain().txtNvi, &program().fMain().txtNvo});
  }
};

// Another maker's device, a program ID in lower case, a device whose interface cannot be read and no
// device at all: neither layout is taken, no row is in use (none of an earlier device's) and no error is
// left behind.
TEST_F(LoadDataPointsFailureTest, ADeviceOfNoSupportedModelHasNoRows) {
  Load("Floor 2", "Meter 1");
  EXPECT_TRUE(SameTables(tables(), qvr::DataPointTables{})) << "right after start the counts stay 0";

  lns::DeviceInterface lowerCase = ModelInterface("qvrl206");
  std::transform(lowerCase.programId.begin(), lowerCase.programId.end(), lowerCase.programId.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  lowerCase.model = "qvrl206_lower";
  lns::LnsAppDevice lowerCaseDevice = LabDevice(lowerCase);
  ASSERT_EQ(lowerCaseDevice.GetProgramId(), "9fff6e0a5a060409");

  auto expectNoRows = [&] {
    EXPECT_EQ(tables().NviCount, 0);
    EXPECT_EQ(tables().NvoCount, 0);
    EXPECT_EQ(tables().NciCount, 0);
  };
  Load("Floor 1", "Room 101");
  Load("Floor 2", "Meter 1");
  expectNoRows();
  Load("Floor 1", "Room 101");
  Load(lowerCaseDevice);
  expectNoRows();

  Load("Floor 1", "Room 101");
  program().framework.CurrentDevice = Device("Floor 2", "Room 201");
  demo().Close();  // the device's program ID and interface can no longer be read
  LoadCurrent();
  expectNoRows();
  program().framework.CurrentDevice.reset();
  LoadCurrent();
  expectNoRows();
  EXPECT_EQ(program().Err.Number, 0);
}

TEST_F(LoadDataPointsFailureTest, AVariableTheDeviceLacksLeavesTheRowEmpty) {
  lns::DeviceInterface withoutSetpointOffset = ModelInterface("qvrl207");
  std::erase_if(withoutSetpointOffset.networkVariables,
                [](const lns::NvDefinition& nv) { return nv.index == 29; });
  lns::LnsAppDevice bench = LabDevice(withoutSetpointOffset);
  PutNv(bench, 24, "19.00");

  Load(bench);
  const qvr::DataPoint& row15 = tables().NviTable[15];
  EXPECT_EQ(tables().NviCount, 25);
  EXPECT_EQ(row15.NviValue, "");
  EXPECT_EQ(row15.NviName, "nviSetptOffset");
  EXPECT_EQ(row15.NviIndex, 29);
  EXPECT_EQ(tables().NviTable[16].NviValue, DeviceValue(bench, 24));

  lns::LnsAppDevice room101 = Device("Floor 1", "Room 101");
  PutNv(room101, 29, "1.50");
  Load(room101);
  EXPECT_EQ(row15.NviValue, DeviceValue(room101, 29));

  Load(bench);
  EXPECT_EQ(row15.NviValue, "") << "not the value of the device before";
  EXPECT_EQ(tables().NviTable[16].NviValue, DeviceValue(bench, 24));
  EXPECT_EQ(tables().NvoTable[9].NvoValue, DeviceValue(bench, 34));
}

TEST_F(LoadDataPointsFailureTest, ReadsThatTimeOutLeaveTheValuesEmptyAndReportNothing) {
  lns::LnsAppDevice device = Device("Floor 1", "Room 101");
  Load(device);
  const qvr::DataPointTables before = tables();

  PutNv(device, 24, "25.00");
  device.PutFault(lns::DeviceFault{0, true});
  Load(device);
  qvr::DataPointTables withoutValues = before;
  for (qvr::DataPoint& row : withoutValues.NviTable) row.NviValue.clear();
  for (qvr::DataPoint& row : withoutValues.NvoTable) row.NvoValue.clear();
  EXPECT_TRUE(SameTables(tables(), withoutValues));
  EXPECT_EQ(program().Err.Number, 0);

  device.PutFault(lns::DeviceFault{});
  Load(device);
  EXPECT_EQ(tables().NviTable[16].NviValue, DeviceValue(device, 24));
  EXPECT_NE(tables().NviTable[16].NviValue, before.NviTable[16].NviValue);
}

TEST_F(LoadDataPointsFailureTest, ASmallLayoutAfterALargeOneLeavesTheRowsBeyondItsCounts) {
  Load("Floor 1", "Room 101");
  const qvr::DataPointTables large = tables();
  Load("Floor 2", "Room 201");
  const qvr::DataPointTables& t = tables();
  ASSERT_EQ(t.NviCount, 15);
  for (std::size_t row = 15; row < t.NviTable.size(); ++row)
    EXPECT_TRUE(SameRow(t.NviTable[row], large.NviTable[row]));
  for (std::size_t row = 9; row < t.NvoTable.size(); ++row)
    EXPECT_TRUE(SameRow(t.NvoTable[row], large.NvoTable[row]));
  for (std::size_t row = 37; row < t.NciTable.size(); ++row)
    EXPECT_TRUE(SameRow(t.NciTable[row], large.NciTable[row]));
  EXPECT_FALSE(SameRow(t.NviTable[14], large.NviTable[14]));
  EXPECT_TRUE(SameRow(t.NviTable[25], qvr::DataPoint{})) << "the last declared row is never filled";
  EXPECT_TRUE(SameRow(t.NvoTable[20], qvr::DataPoint{}));
  EXPECT_TRUE(SameRow(t.NciTable[56], qvr::DataPoint{}));
}

}  // namespace
}  // namespace datapoints_test
