#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

#include "datapoints/ModelTable.h"
#include "datapoints/NvRows.h"
#include "datapoints/PropertyRows.h"

namespace datapoints_test {
namespace {

using qvr::DeviceFamily;

std::vector<int> Sorted(std::span<const int> order) {
  std::vector<int> sorted(order.begin(), order.end());
  std::sort(sorted.begin(), sorted.end());
  return sorted;
}

std::vector<int> FirstRows(int count) {
  std::vector<int> rows(static_cast<std::size_t>(count));
  std::iota(rows.begin(), rows.end(), 0);
  return rows;
}

// Every row of a family is filled exactly once, and only the rows the family has.
TEST(NvRowsTest, EachFamilyFillsItsRowsOnceWithTheSpaceComfortBlockFirst) {
  struct Case {
    const qvr::NvRowSet& rows;
    int largeCount;
    int smallCount;
    int firstSpaceComfortRow;
  };
  for (const Case& table : {Case{qvr::InputRows(), 25, 15, 15}, Case{qvr::OutputRows(), 20, 9, 9}}) {
    EXPECT_EQ(static_cast<int>(table.rows.rows.size()), table.largeCount);
    const auto large = qvr::FillingOrder(table.rows, DeviceFamily::QvrL2);
    const auto small = qvr::FillingOrder(table.rows, DeviceFamily::QvrL1);
    EXPECT_EQ(Sorted(large), FirstRows(table.largeCount));
    EXPECT_EQ(Sorted(small), FirstRows(table.smallCount));
    EXPECT_TRUE(qvr::FillingOrder(table.rows, DeviceFamily::None).empty());

    const int spaceComfortRows = table.largeCount - table.smallCount;
    for (int place = 0; place < spaceComfortRows; ++place) {
      EXPECT_EQ(large[static_cast<std::size_t>(place)], table.firstSpaceComfortRow + place);
    }
    for (int row = 0; row < table.largeCount; ++row) {
      const qvr::NvRow& layout = table.rows.rows[static_cast<std::size_t>(row)];
      EXPECT_EQ(layout.smallIndex == qvr::kNotInSmallLayout, row >= table.smallCount) << layout.name;
      EXPECT_EQ(std::string(layout.block) == "SCC", row >= table.smallCount) << layout.name;
    }
  }
}

TEST(PropertyRowsTest, QvrL1HasQvrL2sFirstRowsWithTheSwitchAsBlock6) {
  const auto large = qvr::PropertyRowsIn(DeviceFamily::QvrL2);
  const auto small = qvr::PropertyRowsIn(DeviceFamily::QvrL1);
  ASSERT_EQ(large.size(), 56u);
  ASSERT_EQ(small.size(), 37u);
  EXPECT_TRUE(qvr::PropertyRowsIn(DeviceFamily::None).empty());
  for (std::size_t row = 0; row < small.size(); ++row) {
    EXPECT_EQ(&small[row], &large[row]);
    const std::string largeKey = qvr::PropertyKeyIn(large[row], DeviceFamily::QvrL2);
    const std::string smallKey = qvr::PropertyKeyIn(small[row], DeviceFamily::QvrL1);
    if (std::string(small[row].block) == "Switch") {
      EXPECT_EQ(largeKey.substr(0, 4), "F:7/");
      EXPECT_EQ(smallKey, "F:6/" + largeKey.substr(4));
    } else {
      EXPECT_EQ(smallKey, largeKey) << "row " << row;
    }
  }
}

}  // namespace
}  // namespace datapoints_test
