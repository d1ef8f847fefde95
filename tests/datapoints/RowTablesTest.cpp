#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

#include "datapoints/DataPointLayout.h"
#include "datapoints/NvRows.h"
#include "datapoints/PropertyRows.h"

namespace {

using qvr::DataPointLayout;

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

TEST(DataPointLayoutTest, OnlyTheFourProgramIdsSpelledExactlyHaveALayout) {
  EXPECT_EQ(qvr::LayoutOfProgramId("9FFF6E0A5A060409"), DataPointLayout::Large);
  EXPECT_EQ(qvr::LayoutOfProgramId("9FFF6E0A5A06040B"), DataPointLayout::Large);
  EXPECT_EQ(qvr::LayoutOfProgramId("9FFF6E0A5A060408"), DataPointLayout::Small);
  EXPECT_EQ(qvr::LayoutOfProgramId("9FFF6E0A5A06040A"), DataPointLayout::Small);
  for (const char* other :
       {"9fff6e0a5a060409", "9FFF6E0A5A06040b", "9FFF6E0A5A060407", "9FFF6E0A5A06040C", "9000C3220C050401",
        "9FFF6E0A5A060409 ", " 9FFF6E0A5A060408", "9FFF6E0A5A0604", ""}) {
    EXPECT_EQ(qvr::LayoutOfProgramId(other), DataPointLayout::None) << '"' << other << '"';
  }
}

// Every row of a layout is filled exactly once, and only the rows the layout has.
TEST(NvRowsTest, EachLayoutFillsItsRowsOnceWithTheSpaceComfortBlockFirst) {
  struct Case {
    const qvr::NvRowSet& rows;
    int largeCount;
    int smallCount;
    int firstSpaceComfortRow;
  };
  for (const Case& table : {Case{qvr::InputRows(), 25, 15, 15}, Case{qvr::OutputRows(), 20, 9, 9}}) {
    EXPECT_EQ(static_cast<int>(table.rows.rows.size()), table.largeCount);
    const auto large = qvr::FillingOrder(table.rows, DataPointLayout::Large);
    const auto small = qvr::FillingOrder(table.rows, DataPointLayout::Small);
    EXPECT_EQ(Sorted(large), FirstRows(table.largeCount));
    EXPECT_EQ(Sorted(small), FirstRows(table.smallCount));
    EXPECT_TRUE(qvr::FillingOrder(table.rows, DataPointLayout::None).empty());

    const int spaceComfortRows = table.largeCount - table.smallCount;
    for (int place = 0; place < spaceComfortRows; ++place) {
      EXPECT_EQ(large[static_cast<std::size_t>(place)], table.firstSpaceComfortRow + place);
    }
    for (int row = 0; row < table.largeCount; ++row) {
      const qvr::NvRow& spec = table.rows.rows[static_cast<std::size_t>(row)];
      EXPECT_EQ(spec.smallIndex == qvr::kNotInSmallLayout, row >= table.smallCount) << spec.name;
      EXPECT_EQ(std::string(spec.block) == "SCC", row >= table.smallCount) << spec.name;
    }
  }
}

TEST(PropertyRowsTest, TheSmallLayoutIsTheLargeOnesFirstRowsWithTheSwitchAsBlock6) {
  const auto large = qvr::PropertyRowsIn(DataPointLayout::Large);
  const auto small = qvr::PropertyRowsIn(DataPointLayout::Small);
  ASSERT_EQ(large.size(), 56u);
  ASSERT_EQ(small.size(), 37u);
  EXPECT_TRUE(qvr::PropertyRowsIn(DataPointLayout::None).empty());
  for (std::size_t row = 0; row < small.size(); ++row) {
    EXPECT_EQ(&small[row], &large[row]);
    const std::string largeKey = qvr::PropertyKeyIn(large[row], DataPointLayout::Large);
    const std::string smallKey = qvr::PropertyKeyIn(small[row], DataPointLayout::Small);
    if (std::string(small[row].block) == "Switch") {
      EXPECT_EQ(largeKey.substr(0, 4), "F:7/");
      EXPECT_EQ(smallKey, "F:6/" + largeKey.substr(4));
    } else {
      EXPECT_EQ(smallKey, largeKey) << "row " << row;
    }
  }
}

}  // namespace
