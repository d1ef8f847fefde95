// The editors on the small layout (QVR-L1) with the decimal comma, and on a device that is offline:
// the same boxes mark, rebuild and follow as on the large layout.

#include <string>

#include "DemoMachineFixture.h"

namespace editors_test {

using namespace testsupport;
namespace {

TEST_F(EditorTest, TheSmallLayoutEditsLikeTheLargeOne) {
  UseDecimalSeparator(",");
  Open("Floor 2", "Room 201");  // QVR-L1
  ASSERT_EQ(tables().NciCount, 37);

  Enter(Nci(12), NciRow(12).NciValue + "1");
  EXPECT_TRUE(Red(Nci(12)));
  EXPECT_TRUE(ApplyAndCancelEnabled());
  Enter(Nci(12), NciRow(12).NciValue);
  EXPECT_TRUE(Normal(Nci(12)));

  // The switch value keeps the user's separator; the light ratio and the bits follow their boxes.
  Enter(Nci(80), "55");
  EXPECT_EQ(Nci(0).Text().substr(0, 5), "55,0 ");
  EXPECT_TRUE(Red(Nci(0)));
  Enter(Nci(91), "800");
  EXPECT_EQ(Nci(21).Text().substr(0, 4), "800/");
  Combo(0).UserSelects(1);
  EXPECT_EQ(Nci(19).Text()[2], '1');
  Combo(37).UserSelects(3);
  EXPECT_EQ(Nci(36).Text()[0], '3');
  for (int row : {0, 19, 21, 36}) EXPECT_TRUE(Red(Nci(row))) << row;

  for (int row : {0, 19, 21, 36}) Enter(Nci(row), NciRow(row).NciValue);
  EXPECT_FALSE(ApplyAndCancelEnabled());
}

// Properties live in the network database: an offline device's are edited and marked all the same.
TEST_F(EditorTest, AnOfflineDevicesPropertiesAreEdited) {
  Open("Floor 1", "Room 103");
  ASSERT_EQ(window().chkMonitor.Value(), ui::vbUnchecked);
  Enter(Nci(72), "18,5");
  Enter(Nci(72), "18.5");
  EXPECT_EQ(Nci(49).Text().substr(0, 17), NciRow(49).NciValue.substr(0, 12) + "18.50");
  EXPECT_TRUE(Red(Nci(49)));
  EXPECT_TRUE(ApplyAndCancelEnabled());
  Enter(Nci(72), NciRow(49).NciValue.substr(12, 5));
  EXPECT_TRUE(Normal(Nci(49)));
  EXPECT_FALSE(ApplyAndCancelEnabled());
}

}  // namespace
}  // namespace editors_test
